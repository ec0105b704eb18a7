#include "platform/components/Variant.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace platform::components {

namespace {

const QDate kDateZero(1899, 12, 30);
constexpr double kMsecsPerDay = 86400000.0;

std::optional<qint64> InRange(qint64 value, VarType type)
{
    switch (type) {
    case VarType::Int16:
        if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        break;
    case VarType::Int32:
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        break;
    default:
        break;
    }
    return value;
}

// Rounds half to even, as automation does when a fraction becomes a whole number.
std::optional<qint64> WholeNumber(double value)
{
    if (!std::isfinite(value) || value < -9.2e18 || value > 9.2e18)
        return std::nullopt;
    return static_cast<qint64>(std::nearbyint(value));
}

std::optional<double> NumberFromText(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

Variant::Variant(bool value) : type_(VarType::Boolean), integer_(value ? VARIANT_TRUE : VARIANT_FALSE) {}
Variant::Variant(std::int16_t value) : type_(VarType::Int16), integer_(value) {}
Variant::Variant(std::int32_t value) : type_(VarType::Int32), integer_(value) {}
Variant::Variant(qint64 value) : type_(VarType::Int64), integer_(value) {}
Variant::Variant(double value) : type_(VarType::Double), real_(value) {}
Variant::Variant(const QString &value) : type_(VarType::String), text_(value) {}
Variant::Variant(const char *utf8) : Variant(QString::fromUtf8(utf8)) {}
Variant::Variant(IDispatch *object) : type_(VarType::Object), object_(object) {}
Variant::Variant(const ComPtr<IDispatch> &object) : type_(VarType::Object), object_(object) {}

Variant Variant::Missing()
{
    return Variant(VarType::Missing);
}

Variant Variant::Date(double days)
{
    Variant value(VarType::Date);
    value.real_ = days;
    return value;
}

Variant Variant::FromDateTime(const QDateTime &moment)
{
    const qint64 days = kDateZero.daysTo(moment.date());
    const double time = moment.time().msecsSinceStartOfDay() / kMsecsPerDay;
    // Before the zero day the whole part counts back while the fraction still counts forward.
    return Date(days >= 0 ? days + time : days - time);
}

Variant Variant::Array(QList<Variant> items)
{
    Variant value(VarType::Array);
    value.items_ = std::move(items);
    return value;
}

Variant Variant::Record(const QString &typeName, QList<Variant> fields)
{
    Variant value(VarType::Record);
    value.text_ = typeName;
    value.items_ = std::move(fields);
    return value;
}

Variant Variant::Ref(Variant &target)
{
    Variant value(VarType::Reference);
    value.target_ = &target.Target();
    return value;
}

const Variant &Variant::Value() const
{
    return type_ == VarType::Reference ? *target_ : *this;
}

Variant &Variant::Target()
{
    return type_ == VarType::Reference ? *target_ : *this;
}

bool Variant::Assign(const Variant &value)
{
    Variant &slot = Target();
    if (!IsRef() || slot.type_ == VarType::Empty || slot.type_ == VarType::Missing) {
        slot = value.Value();
        return true;
    }
    std::optional<Variant> converted = value.Converted(slot.type_);
    if (!converted)
        return false;
    slot = std::move(*converted);
    return true;
}

std::optional<Variant> Variant::Converted(VarType type) const
{
    const Variant &v = Value();
    if (v.type_ == type)
        return v;
    const bool empty = v.type_ == VarType::Empty;
    const bool integral = v.type_ == VarType::Boolean || v.type_ == VarType::Int16 || v.type_ == VarType::Int32
        || v.type_ == VarType::Int64;
    const bool real = v.type_ == VarType::Double || v.type_ == VarType::Date;

    switch (type) {
    case VarType::Boolean:
        if (empty || integral)
            return Variant(v.integer_ != 0);
        if (real)
            return Variant(v.real_ != 0);
        if (v.type_ == VarType::String) {
            const QString text = v.text_.trimmed();
            if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return Variant(true);
            if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return Variant(false);
            if (const std::optional<double> number = NumberFromText(text))
                return Variant(*number != 0);
        }
        return std::nullopt;
    case VarType::Int16:
    case VarType::Int32:
    case VarType::Int64: {
        std::optional<qint64> whole;
        if (empty || integral)
            whole = v.integer_;
        else if (real)
            whole = WholeNumber(v.real_);
        else if (v.type_ == VarType::String)
            if (const std::optional<double> number = NumberFromText(v.text_))
                whole = WholeNumber(*number);
        if (whole)
            whole = InRange(*whole, type);
        if (!whole)
            return std::nullopt;
        if (type == VarType::Int16)
            return Variant(static_cast<std::int16_t>(*whole));
        if (type == VarType::Int32)
            return Variant(static_cast<std::int32_t>(*whole));
        return Variant(*whole);
    }
    case VarType::Double:
    case VarType::Date: {
        std::optional<double> number;
        if (empty || v.type_ == VarType::Int16 || v.type_ == VarType::Int32 || v.type_ == VarType::Int64
            || (v.type_ == VarType::Boolean && type == VarType::Double))
            number = static_cast<double>(v.integer_);
        else if (real)
            number = v.real_;
        else if (v.type_ == VarType::String && type == VarType::Double)
            number = NumberFromText(v.text_);
        else if (v.type_ == VarType::String) {
            const QDateTime moment = QDateTime::fromString(v.text_.trimmed(), Qt::ISODate);
            if (moment.isValid())
                return FromDateTime(moment);
        }
        if (!number)
            return std::nullopt;
        return type == VarType::Double ? Variant(*number) : Date(*number);
    }
    case VarType::String:
        switch (v.type_) {
        case VarType::Empty:
            return Variant(QString());
        case VarType::Boolean:
            return Variant(QString::fromLatin1(v.integer_ ? "True" : "False"));
        case VarType::Int16:
        case VarType::Int32:
        case VarType::Int64:
            return Variant(QString::number(v.integer_));
        case VarType::Double:
            return Variant(QString::number(v.real_, 'g', 15));
        case VarType::Date:
            return Variant(QLocale().toString(v.ToDateTime(), QLocale::ShortFormat));
        default:
            return std::nullopt;
        }
    case VarType::Object:
        if (empty)
            return Variant(static_cast<IDispatch *>(nullptr));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool Variant::ToBool() const
{
    const std::optional<Variant> v = Converted(VarType::Boolean);
    return v && v->integer_ != 0;
}

std::int16_t Variant::ToInt16() const
{
    const std::optional<Variant> v = Converted(VarType::Int16);
    return v ? static_cast<std::int16_t>(v->integer_) : 0;
}

std::int32_t Variant::ToInt32() const
{
    const std::optional<Variant> v = Converted(VarType::Int32);
    return v ? static_cast<std::int32_t>(v->integer_) : 0;
}

qint64 Variant::ToInt64() const
{
    const std::optional<Variant> v = Converted(VarType::Int64);
    return v ? v->integer_ : 0;
}

double Variant::ToDouble() const
{
    const std::optional<Variant> v = Converted(VarType::Double);
    return v ? v->real_ : 0;
}

QString Variant::ToString() const
{
    const std::optional<Variant> v = Converted(VarType::String);
    return v ? v->text_ : QString();
}

double Variant::ToDate() const
{
    const std::optional<Variant> v = Converted(VarType::Date);
    return v ? v->real_ : 0;
}

QDateTime Variant::ToDateTime() const
{
    const double days = ToDate();
    const double whole = std::trunc(days);
    const qint64 msecs = std::llround(std::fabs(days - whole) * kMsecsPerDay);
    return QDateTime(kDateZero.addDays(static_cast<qint64>(whole)), QTime(0, 0)).addMSecs(msecs);
}

ComPtr<IDispatch> Variant::ToObject() const
{
    const Variant &v = Value();
    return v.type_ == VarType::Object ? v.object_ : ComPtr<IDispatch>();
}

const QList<Variant> &Variant::Items() const
{
    return Value().items_;
}

QList<Variant> &Variant::Items()
{
    return Target().items_;
}

QString Variant::RecordType() const
{
    const Variant &v = Value();
    return v.type_ == VarType::Record ? v.text_ : QString();
}

bool operator==(const Variant &a, const Variant &b)
{
    const Variant &x = a.Value();
    const Variant &y = b.Value();
    return x.type_ == y.type_ && x.integer_ == y.integer_ && x.real_ == y.real_ && x.text_ == y.text_
        && x.object_ == y.object_ && x.items_ == y.items_;
}

} // namespace platform::components
