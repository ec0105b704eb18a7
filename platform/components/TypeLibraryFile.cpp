#include "platform/components/TypeLibraryFile.h"

#include "platform/components/Creation.h"
#include "platform/components/Server.h"

#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>

namespace platform::components {

namespace {

// Leads the bytes, with the format's number after it.
constexpr char kMagic[] = "VellicorTypeLibrary";
constexpr qint32 kFormat = 1;

// Object and reference values have no form in bytes; no description holds one.
void Write(QDataStream &out, const Variant &value)
{
    const Variant &v = value.Value();
    out << qint32(v.Type());
    switch (v.Type()) {
    case VarType::Boolean:
        out << v.ToBool();
        break;
    case VarType::Int16:
    case VarType::Int32:
    case VarType::Int64:
        out << v.ToInt64();
        break;
    case VarType::Double:
        out << v.ToDouble();
        break;
    case VarType::Date:
        out << v.ToDate();
        break;
    case VarType::String:
        out << v.ToString();
        break;
    case VarType::Array:
    case VarType::Record:
        out << v.RecordType() << qint32(v.Items().size());
        for (const Variant &item : v.Items())
            Write(out, item);
        break;
    default:
        break;
    }
}

Variant ReadVariant(QDataStream &in)
{
    qint32 type = 0;
    in >> type;
    switch (VarType(type)) {
    case VarType::Missing:
        return Variant::Missing();
    case VarType::Boolean: {
        bool value = false;
        in >> value;
        return Variant(value);
    }
    case VarType::Int16:
    case VarType::Int32:
    case VarType::Int64: {
        qint64 value = 0;
        in >> value;
        if (VarType(type) == VarType::Int16)
            return Variant(std::int16_t(value));
        if (VarType(type) == VarType::Int32)
            return Variant(std::int32_t(value));
        return Variant(value);
    }
    case VarType::Double:
    case VarType::Date: {
        double value = 0;
        in >> value;
        return VarType(type) == VarType::Double ? Variant(value) : Variant::Date(value);
    }
    case VarType::String: {
        QString value;
        in >> value;
        return Variant(value);
    }
    case VarType::Array:
    case VarType::Record: {
        QString typeName;
        qint32 count = 0;
        in >> typeName >> count;
        QList<Variant> items;
        for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i)
            items.append(ReadVariant(in));
        return VarType(type) == VarType::Array ? Variant::Array(items) : Variant::Record(typeName, items);
    }
    default:
        return Variant();
    }
}

} // namespace

// Found by argument-dependent lookup from Qt's list streaming, so not in the unnamed namespace.
static QDataStream &operator<<(QDataStream &out, const Guid &guid)
{
    return out << guid.ToString();
}

static QDataStream &operator>>(QDataStream &in, Guid &guid)
{
    QString text;
    in >> text;
    guid = Guid::Parse(text).value_or(Guid());
    return in;
}

static QDataStream &operator<<(QDataStream &out, const TypeRef &type)
{
    return out << qint32(type.kind) << type.name;
}

static QDataStream &operator>>(QDataStream &in, TypeRef &type)
{
    qint32 kind = 0;
    in >> kind >> type.name;
    type.kind = TypeKind(kind);
    return in;
}

static QDataStream &operator<<(QDataStream &out, const ParamInfo &param)
{
    out << param.name << param.type << param.optional << param.byRef;
    Write(out, param.defaultValue);
    return out;
}

static QDataStream &operator>>(QDataStream &in, ParamInfo &param)
{
    in >> param.name >> param.type >> param.optional >> param.byRef;
    param.defaultValue = ReadVariant(in);
    return in;
}

static QDataStream &operator<<(QDataStream &out, const MemberInfo &member)
{
    return out << member.name << qint32(member.id) << qint32(member.kind) << member.type << member.params;
}

static QDataStream &operator>>(QDataStream &in, MemberInfo &member)
{
    qint32 id = 0;
    qint32 kind = 0;
    in >> member.name >> id >> kind >> member.type >> member.params;
    member.id = id;
    member.kind = MemberKind(kind);
    return in;
}

static QDataStream &operator<<(QDataStream &out, const InterfaceInfo &info)
{
    return out << info.iid << info.name << qint32(info.kind) << info.members;
}

static QDataStream &operator>>(QDataStream &in, InterfaceInfo &info)
{
    qint32 kind = 0;
    in >> info.iid >> info.name >> kind >> info.members;
    info.kind = InterfaceKind(kind);
    return in;
}

static QDataStream &operator<<(QDataStream &out, const ClassInfo &cls)
{
    return out << cls.clsid << cls.name << cls.defaultInterface << cls.eventInterface << qint32(cls.flags)
               << qint32(cls.toolboxBitmap);
}

static QDataStream &operator>>(QDataStream &in, ClassInfo &cls)
{
    qint32 flags = 0;
    qint32 bitmap = 0;
    in >> cls.clsid >> cls.name >> cls.defaultInterface >> cls.eventInterface >> flags >> bitmap;
    cls.flags = flags;
    cls.toolboxBitmap = bitmap;
    return in;
}

static QDataStream &operator<<(QDataStream &out, const EnumValue &value)
{
    return out << value.name << qint32(value.value);
}

static QDataStream &operator>>(QDataStream &in, EnumValue &value)
{
    qint32 number = 0;
    in >> value.name >> number;
    value.value = number;
    return in;
}

static QDataStream &operator<<(QDataStream &out, const EnumInfo &info)
{
    return out << info.guid << info.name << info.values;
}

static QDataStream &operator>>(QDataStream &in, EnumInfo &info)
{
    return in >> info.guid >> info.name >> info.values;
}

static QDataStream &operator<<(QDataStream &out, const FieldInfo &field)
{
    return out << field.name << field.type << qint32(field.offset);
}

static QDataStream &operator>>(QDataStream &in, FieldInfo &field)
{
    qint32 offset = 0;
    in >> field.name >> field.type >> offset;
    field.offset = offset;
    return in;
}

static QDataStream &operator<<(QDataStream &out, const RecordInfo &info)
{
    return out << info.guid << info.name << info.fields << qint32(info.size);
}

static QDataStream &operator>>(QDataStream &in, RecordInfo &info)
{
    qint32 size = 0;
    in >> info.guid >> info.name >> info.fields >> size;
    info.size = size;
    return in;
}

static QDataStream &operator<<(QDataStream &out, const VersionBlock &version)
{
    return out << version.fileVersion << version.productVersion << version.productName << version.companyName
               << version.fileDescription << version.originalFileName << version.selfRegister;
}

static QDataStream &operator>>(QDataStream &in, VersionBlock &version)
{
    return in >> version.fileVersion >> version.productVersion >> version.productName >> version.companyName
        >> version.fileDescription >> version.originalFileName >> version.selfRegister;
}

static QDataStream &operator<<(QDataStream &out, const BitmapResource &bitmap)
{
    return out << qint32(bitmap.id) << bitmap.image;
}

static QDataStream &operator>>(QDataStream &in, BitmapResource &bitmap)
{
    qint32 id = 0;
    in >> id >> bitmap.image;
    bitmap.id = id;
    return in;
}

QByteArray SerializeTypeLibrary(const TypeLibrary &types)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(kMagic, sizeof kMagic);
    out << kFormat << types.libid << types.name << types.helpString << types.majorVersion << types.minorVersion
        << types.locale << types.controlLibrary << types.classes << types.interfaces << types.enums
        << types.records << types.version << types.bitmaps;
    return bytes;
}

std::optional<TypeLibrary> DeserializeTypeLibrary(const QByteArray &bytes)
{
    if (!bytes.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return std::nullopt;
    QDataStream in(bytes.mid(sizeof kMagic));
    in.setVersion(QDataStream::Qt_6_0);
    qint32 format = 0;
    in >> format;
    if (format != kFormat)
        return std::nullopt;
    TypeLibrary types;
    in >> types.libid >> types.name >> types.helpString >> types.majorVersion >> types.minorVersion >> types.locale
        >> types.controlLibrary >> types.classes >> types.interfaces >> types.enums >> types.records >> types.version
        >> types.bitmaps;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return types;
}

HResult LoadTypeLibrary(const QString &libraryPath, TypeLibrary *types)
{
    if (!types)
        return E_POINTER;
    ComPtr<ITypeLibrarySource> source;
    const HResult status
        = GetClassObjectFromFile(libraryPath, CLSID_TypeLibrarySource, ITypeLibrarySource::IID, source.Receive());
    if (status == CO_E_DLLNOTFOUND)
        return status;
    if (Failed(status))
        return TYPE_E_CANTLOADLIBRARY;
    std::optional<TypeLibrary> read = DeserializeTypeLibrary(source->Serialized());
    if (!read)
        return TYPE_E_CANTLOADLIBRARY;
    *types = std::move(*read);
    return S_OK;
}

} // namespace platform::components
