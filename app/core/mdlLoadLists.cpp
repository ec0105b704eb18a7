#include "app/core/mdlLoadLists.h"

#include "app/core/mdlLibrary.h"

#include <cmath>
#include <limits>

namespace mdlLoad {

namespace {

bool IsDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int FitWhole(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode sends halves to the even side
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min()
        || rounded > std::numeric_limits<int>::max())
        return 0;
    return int(rounded);
}

// "&H1F" or "&O17" without the blanks; the digits after the prefix up to the first that does not fit.
int PrefixedNumber(const QString &text, int base)
{
    double value = 0;
    for (qsizetype i = 2; i < text.size(); ++i) {
        const int digit = mdlLibrary::HexDigitValue(text[i]);
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
    }
    return FitWhole(value);
}

// The longest leading decimal number of `text`: sign, digits, point, digits, then an exponent when at
// least one digit follows its letter.
int DecimalNumber(const QString &text)
{
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    qsizetype digits = 0;
    while (end < text.size() && IsDecimalDigit(text[end]))
        ++end, ++digits;
    if (end < text.size() && text[end] == u'.') {
        ++end;
        while (end < text.size() && IsDecimalDigit(text[end]))
            ++end, ++digits;
    }
    if (digits == 0)
        return 0;
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        const qsizetype exponentDigits = exponent;
        while (exponent < text.size() && IsDecimalDigit(text[exponent]))
            ++exponent;
        if (exponent > exponentDigits)
            end = exponent;
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? FitWhole(value) : 0;
}

} // namespace

std::optional<QStringList> ReadListLines(const QString &path)
{
    if (!mdlLibrary::IsTextFile(path))
        return std::nullopt;
    return mdlLibrary::SplitLines(mdlLibrary::FileReadText(path));
}

std::optional<QStringList> SplitListFields(const QString &line, int separators)
{
    QStringList fields;
    qsizetype start = 0;
    for (int n = 0; n < separators; ++n) {
        const qsizetype bar = line.indexOf(u'|', start);
        if (bar < 0)
            return std::nullopt;
        fields.append(line.mid(start, bar - start));
        start = bar + 1;
    }
    fields.append(line.mid(start));
    return fields;
}

QString ListEscapes(const QString &field)
{
    QString text = field;
    text.replace(QLatin1String("%v"), QLatin1String("|"), Qt::CaseInsensitive);
    text.replace(QLatin1String("%p"), QLatin1String("%"), Qt::CaseInsensitive);
    return text;
}

int ListNumber(const QString &field)
{
    QString text = field;
    text.remove(u' ');
    text.remove(u'\t');
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return PrefixedNumber(text, 16);
    if (text.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        return PrefixedNumber(text, 8);
    return DecimalNumber(text);
}

bool ReadSectionHeader(const QString &line, QString &section)
{
    if (!line.startsWith(u'[') || !line.endsWith(u']'))
        return false;
    if (line.size() >= 3)
        section = line.mid(1, line.size() - 2);
    return true;
}

} // namespace mdlLoad
