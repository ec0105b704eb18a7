#pragma once

#include "platform/components/ComPtr.h"
#include "platform/components/Interfaces.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace platform::components {

enum class VarType {
    Empty,
    Missing, // an optional argument left out
    Boolean,
    Int16,
    Int32,
    Int64,
    Double,
    String,
    Date,
    Object,
    Array, // lower bound 0
    Record,
    Reference, // refers to a caller's Variant
};

// The automation Boolean: true is -1.
constexpr std::int16_t VARIANT_TRUE = -1;
constexpr std::int16_t VARIANT_FALSE = 0;

// A value passed through dispatch calls and events.
class Variant {
public:
    Variant() = default;
    Variant(bool value);
    Variant(std::int16_t value);
    Variant(std::int32_t value);
    Variant(qint64 value);
    Variant(double value);
    Variant(const QString &value);
    Variant(const char *utf8); // a string, never a Boolean
    Variant(IDispatch *object);
    Variant(const ComPtr<IDispatch> &object);

    static Variant Missing();
    // The automation date: days since 30 December 1899, the fraction the time of day.
    static Variant Date(double days);
    static Variant FromDateTime(const QDateTime &moment);
    static Variant Array(QList<Variant> items);
    static Variant Record(const QString &typeName, QList<Variant> fields);
    // Refers to `target`, which must outlive the reference; reads and writes go through to it.
    static Variant Ref(Variant &target);

    // The type of the value itself; a reference reports Reference (see Value()).
    VarType Type() const { return type_; }
    bool IsRef() const { return type_ == VarType::Reference; }
    bool IsMissing() const { return Value().type_ == VarType::Missing; }
    bool IsEmpty() const { return Value().type_ == VarType::Empty; }
    // The value this one stands for: the referred Variant, or itself.
    const Variant &Value() const;

    // Writes through a reference, converted to the type that the referred slot holds unless that slot
    // is empty; without a reference replaces this value. False (and nothing written) on a type mismatch.
    bool Assign(const Variant &value);

    // The value as `type`, or nothing when it cannot be converted (text that is no number, overflow).
    std::optional<Variant> Converted(VarType type) const;

    // The value converted, or the type's zero when it cannot be.
    bool ToBool() const;
    std::int16_t ToInt16() const;
    std::int32_t ToInt32() const;
    qint64 ToInt64() const;
    double ToDouble() const;
    QString ToString() const;
    double ToDate() const;
    QDateTime ToDateTime() const;
    ComPtr<IDispatch> ToObject() const;
    // The elements of an array, the fields of a record.
    const QList<Variant> &Items() const;
    QList<Variant> &Items();
    // The type name of a record.
    QString RecordType() const;

    // Same type and value, after references are followed.
    friend bool operator==(const Variant &a, const Variant &b);

private:
    Variant(VarType type) : type_(type) {}
    Variant &Target();

    VarType type_ = VarType::Empty;
    qint64 integer_ = 0;          // Boolean (0 or -1), Int16, Int32, Int64
    double real_ = 0;             // Double, Date
    QString text_;                // String; the type name of a Record
    ComPtr<IDispatch> object_;    // Object
    QList<Variant> items_;        // Array elements, Record fields
    Variant *target_ = nullptr;   // Reference
};

} // namespace platform::components
