#include "app/core/mdlLibrary.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace mdlLibrary {
QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

std::optional<double> ToNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> ToWholeNumber(const QString &text)
{
    const std::optional<double> value = ToNumber(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding mode sends halves to the even side
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(rounded);
}

std::optional<bool> ToBoolean(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> value = ToNumber(trimmed);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

} // namespace mdlLibrary
