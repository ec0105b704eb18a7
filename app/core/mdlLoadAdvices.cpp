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
    for (const QString &line : *lines) {
        if (mdlLibrary::TrimSpaces(line).isEmpty())
            continue;
        if (!line.startsWith(u'\t')) {
            tip = Advices.append({line, QString()});
            text.clear();
            continue;
        }
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += line.mid(1);
        // Text before the first title belongs to no tip.
        if (tip > 0)
            Advices[tip].Second = text;
    }
}

} // namespace mdlLoad
