#include "app/core/mdlLoadAdvices.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

namespace mdlLoad {

void LoadAdviceIni(const QString &path)
{
    Advices.clear();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    int tip = 0;
    QString text;
    // A tip gets its text when its last line is read: stored after each line, the text shared with the
    // tip was copied whole at the next line, and a tip of 100 000 lines took more than a minute.
    const auto storeText = [&] {
        // Text before the first title belongs to no tip.
        if (tip > 0)
            Advices[tip].Second = text;
    };
    for (const QString &line : *lines) {
        if (mdlLibrary::TrimSpaces(line).isEmpty())
            continue;
        if (!line.startsWith(u'\t')) {
            storeText();
            tip = Advices.append({line, QString()});
            text.clear();
            continue;
        }
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += line.mid(1);
    }
    storeText();
}

} // namespace mdlLoad
