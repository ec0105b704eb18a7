#pragma once

#include "platform/components/Guid.h"
#include "platform/components/Interfaces.h"
#include "platform/components/Variant.h"

#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>

// The description a component library carries of itself and hands to hosts: its classes, their
// interfaces with every member's dispatch identifier and parameters, its enumerations and records, and
// the resources that go with them (version block, toolbox bitmaps).
namespace platform::components {

enum class TypeKind {
    Void, // no result
    Any,  // a Variant of any type
    Boolean,
    Int16,
    Int32,
    Int64,
    Double,
    String,
    Date,
    Object, // `name`: the interface, empty for any dispatch object
    Enum,   // 32-bit; `name`: the enumeration
    Record, // `name`: the record
    Array,  // `name`: the element type's name ("String")
};

struct TypeRef {
    TypeRef(TypeKind kind = TypeKind::Void, QString name = QString()) : kind(kind), name(std::move(name)) {}
    TypeKind kind;
    QString name;

    friend bool operator==(const TypeRef &, const TypeRef &) = default;
};

struct ParamInfo {
    QString name;
    TypeRef type;
    bool optional = false;
    bool byRef = false;
    // What an optional argument that the caller leaves out becomes; Empty: it stays Missing.
    Variant defaultValue;

    friend bool operator==(const ParamInfo &, const ParamInfo &) = default;
};

enum class MemberKind {
    Property, // get and put; the type is the property's
    Method,   // the type is the result's
};

struct MemberInfo {
    QString name;
    DispId id = 0;
    MemberKind kind = MemberKind::Method;
    TypeRef type;
    QList<ParamInfo> params;

    friend bool operator==(const MemberInfo &, const MemberInfo &) = default;
};

enum class InterfaceKind {
    Dual,     // a default interface: derived from IDispatch, called by dispatch identifier
    Dispatch, // a pure dispatch interface: the events
};

struct InterfaceInfo {
    Guid iid;
    QString name;
    InterfaceKind kind = InterfaceKind::Dual;
    QList<MemberInfo> members;

    // Null when there is no such member; names ignore letter case.
    const MemberInfo *Find(DispId id) const;
    const MemberInfo *Find(const QString &name) const;

    friend bool operator==(const InterfaceInfo &, const InterfaceInfo &) = default;
};

enum ClassFlag { ClassControl = 1, ClassCreatable = 2 };

struct ClassInfo {
    Guid clsid;
    QString name;
    QString defaultInterface;
    QString eventInterface; // empty when the class raises no events
    int flags = ClassCreatable;
    int toolboxBitmap = 0; // resource identifier of the control's toolbox picture; 0 for none

    friend bool operator==(const ClassInfo &, const ClassInfo &) = default;
};

struct EnumValue {
    QString name;
    std::int32_t value = 0;

    friend bool operator==(const EnumValue &, const EnumValue &) = default;
};

struct EnumInfo {
    Guid guid;
    QString name;
    QList<EnumValue> values;

    friend bool operator==(const EnumInfo &, const EnumInfo &) = default;
};

struct FieldInfo {
    QString name;
    TypeRef type;
    int offset = 0;

    friend bool operator==(const FieldInfo &, const FieldInfo &) = default;
};

struct RecordInfo {
    Guid guid;
    QString name;
    QList<FieldInfo> fields;
    int size = 0;

    friend bool operator==(const RecordInfo &, const RecordInfo &) = default;
};

struct VersionBlock {
    QString fileVersion;
    QString productVersion;
    QString productName;
    QString companyName;
    QString fileDescription;
    QString originalFileName;
    bool selfRegister = true; // the file registers itself through DllRegisterServer

    friend bool operator==(const VersionBlock &, const VersionBlock &) = default;
};

struct BitmapResource {
    int id = 0;
    QImage image;

    friend bool operator==(const BitmapResource &, const BitmapResource &) = default;
};

struct TypeLibrary {
    Guid libid;
    QString name;
    QString helpString;
    std::uint16_t majorVersion = 1;
    std::uint16_t minorVersion = 0;
    std::uint32_t locale = 0x409;
    bool controlLibrary = false;
    QList<ClassInfo> classes;
    QList<InterfaceInfo> interfaces;
    QList<EnumInfo> enums;
    QList<RecordInfo> records;
    VersionBlock version;
    QList<BitmapResource> bitmaps;

    // Null when not found.
    const ClassInfo *FindClass(const Guid &clsid) const;
    const ClassInfo *FindClass(const QString &name) const;
    const InterfaceInfo *FindInterface(const QString &name) const;
    const EnumInfo *FindEnum(const QString &name) const;
    const RecordInfo *FindRecord(const QString &name) const;
    const QImage *FindBitmap(int id) const;

    // "Library.Class", and with the major version after a further dot.
    QString ProgId(const ClassInfo &cls) const;
    QString VersionedProgId(const ClassInfo &cls) const;
    QString VersionText() const; // "1.0"

    friend bool operator==(const TypeLibrary &, const TypeLibrary &) = default;
};

} // namespace platform::components
