#include "app/core/mdlLibrary.h"

namespace mdlLibrary {
namespace {

int HexCharValue(QChar c)
{
    const char16_t ch = c.toLower().unicode();
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    return 0;
}

struct Components {
    qint64 red = 0;
    qint64 green = 0;
    qint64 blue = 0;
};

std::optional<Components> ReadColor(const QString &value, int form)
{
    Components c;
    switch (form) {
    case 1: {
        const std::optional<int> n = ToWholeNumber(value);
        if (!n || *n < 0)
            return std::nullopt;
        c.red = *n % 256;
        c.green = (*n / 256) % 256;
        c.blue = *n / 65536;
        return c;
    }
    case 2: {
        const QString digits = value.startsWith(u'#') ? value.mid(1) : value;
        c.red = HexPairValue(digits.mid(0, 2));
        c.green = HexPairValue(digits.mid(2, 2));
        c.blue = HexPairValue(digits.mid(4, 2));
        return c;
    }
    case 3:
        c.red = ToWholeNumber(value.mid(0, 3)).value_or(0);
        c.green = ToWholeNumber(value.mid(3, 3)).value_or(0);
        c.blue = ToWholeNumber(value.mid(6, 3)).value_or(0);
        return c;
    default:
        return std::nullopt;
    }
}

QString PadThree(qint64 n)
{
    return QString::number(n).rightJustified(3, u'0');
}

} // namespace

int HexPairValue(const QString &pair)
{
    const int high = pair.size() > 0 ? HexCharValue(pair[0]) : 0;
    const int low = pair.size() > 1 ? HexCharValue(pair[1]) : 0;
    return 16 * high + low;
}

QString HexDigit(int n)
{
    // A component above 255 (a colour number past 16777215 puts it into blue) keeps its high part as a
    // decimal number, so the text grows rather than wraps.
    static const QString digits = QStringLiteral("0123456789abcdef");
    const int high = n / 16;
    const QString highText = high < 16 ? QString(digits[high]) : QString::number(high);
    return highText + digits[n % 16];
}

QString ConvertColor(const QString &value, const int &sourceForm, const int &targetForm)
{
    if (sourceForm == targetForm)
        return value;
    const std::optional<Components> c = ReadColor(value, sourceForm);
    if (!c)
        return {};
    switch (targetForm) {
    case 1: return QString::number(c->red + 256 * c->green + 65536 * c->blue);
    case 2: return u'#' + HexDigit(int(c->red)) + HexDigit(int(c->green)) + HexDigit(int(c->blue));
    case 3: return PadThree(c->red) + PadThree(c->green) + PadThree(c->blue);
    default: return {};
    }
}

bool IsColorString(const QString &value)
{
    QString text = TrimSpaces(value);
    if (!text.startsWith(u'#'))
        text.prepend(u'#');
    if (text.size() != 7)
        return false;
    const QString number = ConvertColor(text, 2, 1);
    return ConvertColor(number, 1, 2).toLower() == text.toLower();
}

} // namespace mdlLibrary
