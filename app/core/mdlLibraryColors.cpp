#include "app/core/mdlLibrary.h"

#include <algorithm>

namespace mdlLibrary {
namespace {

std::optional<ColorChannels> ReadColor(const QString &value, int form)
{
    switch (form) {
    case 1: {
        const std::optional<int> n = ToWholeNumber(value);
        if (!n || *n < 0)
            return std::nullopt;
        return ColorChannelsOf(*n);
    }
    case 2: {
        const QString digits = value.startsWith(u'#') ? value.mid(1) : value;
        return ColorChannels{HexPairValue(digits.mid(0, 2)), HexPairValue(digits.mid(2, 2)),
                             HexPairValue(digits.mid(4, 2))};
    }
    case 3: {
        const auto part = [&](int first) { return ToWholeNumber(value.mid(first, 3)).value_or(0); };
        return ColorChannels{part(0), part(3), part(6)};
    }
    default:
        return std::nullopt;
    }
}

QString PadThree(qint64 n)
{
    return QString::number(n).rightJustified(3, u'0');
}

} // namespace

int HexDigitValue(QChar c)
{
    const char16_t ch = c.toLower().unicode();
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    return -1;
}

int HexPairValue(const QString &pair)
{
    // A character that is no hexadecimal digit, or a missing one, counts 0.
    const auto digit = [&](qsizetype i) { return i < pair.size() ? std::max(HexDigitValue(pair[i]), 0) : 0; };
    return 16 * digit(0) + digit(1);
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
    const std::optional<ColorChannels> c = ReadColor(value, sourceForm);
    if (!c)
        return {};
    switch (targetForm) {
    case 1: return QString::number(ColorNumber(*c));
    case 2: return u'#' + HexDigit(int(c->Red)) + HexDigit(int(c->Green)) + HexDigit(int(c->Blue));
    case 3: return PadThree(c->Red) + PadThree(c->Green) + PadThree(c->Blue);
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

qint64 ColorNumber(const ColorChannels &channels)
{
    return channels.Red + 256 * channels.Green + 65536 * channels.Blue;
}

ColorChannels ColorChannelsOf(qint64 colour)
{
    if (colour < 0)
        return {};
    return {colour % 256, colour / 256 % 256, colour / 65536};
}

int InverseColor(int colour)
{
    const ColorChannels c = ColorChannelsOf(colour);
    return int(ColorNumber({255 - c.Red, 255 - c.Green, 255 - c.Blue}));
}

int GetShadeComponent(int channel, int band)
{
    if (band == ShadeMid)
        return channel;
    if (band < ShadeMid)
        return 255 - ((band - 1) * (255 - channel)) / ShadeMid;
    return (channel * (ShadeCount - band)) / ShadeMid;
}

int ShadeColor(int colour, int band)
{
    const ColorChannels c = ColorChannelsOf(colour);
    return int(ColorNumber({GetShadeComponent(int(c.Red), band), GetShadeComponent(int(c.Green), band),
                            GetShadeComponent(int(c.Blue), band)}));
}

} // namespace mdlLibrary
