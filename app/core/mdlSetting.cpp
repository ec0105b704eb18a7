#include "app/core/mdlSetting.h"

#include "app/core/mdlLibrary.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace mdlSetting {
namespace {

// The stored views in list order; "list" is also what any other word stands for.
const std::array<QLatin1StringView, 4> Typeviews = {QLatin1StringView("icons"), QLatin1StringView("small"),
                                                    QLatin1StringView("list"), QLatin1StringView("detals")};
constexpr int ListView = 2;

} // namespace

void ClearSettingChanged()
{
    SettingUpdated = false;
}

int TypeviewIndex(const QString &view)
{
    const auto found = std::find(Typeviews.begin(), Typeviews.end(), view);
    return found == Typeviews.end() ? ListView : int(found - Typeviews.begin());
}

QString TypeviewFromIndex(int index)
{
    return index >= 0 && index < int(Typeviews.size()) ? QString(Typeviews[index]) : QString(Typeviews[ListView]);
}

StartNewChoice SplitNewFile(int newFile, int kinds, int patterns)
{
    StartNewChoice choice;
    if (newFile > kinds && newFile <= kinds + patterns) {
        choice.fromPattern = true;
        choice.patternIndex = newFile - kinds - 1;
    } else if (newFile >= 1 && newFile <= kinds) {
        choice.kindIndex = newFile - 1;
    }
    return choice;
}

int JoinNewFile(bool fromPattern, int selectedIndex, int kinds)
{
    // With no template to choose, the template option must not point at the last kind of empty file.
    if (selectedIndex < 0)
        return 0;
    return (fromPattern ? kinds : 0) + selectedIndex + 1;
}

double LeadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eEdD][+-]?[0-9]+)?)"));
    QString packed = text;
    packed.remove(QRegularExpression(QStringLiteral("[ \\t\\r\\n]")));
    const QRegularExpressionMatch match = number.match(packed);
    if (!match.hasMatch())
        return 0;
    QString found = match.captured();
    found.replace(u'd', u'e').replace(u'D', u'e');
    return found.toDouble();
}

QString ClampNumberText(const QString &text, mdlLoad::WholeRange range)
{
    const double rounded = std::nearbyint(LeadingNumber(text));
    const bool fits = std::isfinite(rounded) && rounded >= std::numeric_limits<int>::min() &&
                      rounded <= std::numeric_limits<int>::max();
    const int value = fits ? std::clamp(int(rounded), range.Low, range.High) : range.Low;
    return QString::number(value);
}

QString CheckFolderText(const QString &text, const QString &current)
{
    if (text.isEmpty())
        return current;
    const QString folder = mdlLibrary::AsHostFolder(text);
    // A folder named from the working folder would change with it: only a path from the root is taken.
    if (!folder.startsWith(u'/') || !mdlLibrary::IsFolderExist(folder))
        return current;
    return folder;
}

} // namespace mdlSetting
