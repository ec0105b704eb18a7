#include "app/core/mdlLoadHelps.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

#include <algorithm>

namespace mdlLoad {

namespace {

const StringPair Separator{QStringLiteral("-"), QString()};

QString MailTarget()
{
    return QStringLiteral("mailto:author@vellicor.example.org?subject='Marrowin Vellicor %1.%2'")
        .arg(VELLICOR_VERSION_MAJOR)
        .arg(VELLICOR_VERSION_MINOR);
}

} // namespace

void LoadHelps(const QString &path)
{
    Helps.clear();
    Helps.append({QStringLiteral("Справка по программе"), QStringLiteral("index.html")});
    Helps.append(Separator);
    Helps.append({QStringLiteral("Написать письмо автору"), MailTarget()});
    Helps.append({QStringLiteral("Сайт программы"), QStringLiteral("http://vellicor.example.org/")});
    Helps.append({QStringLiteral("Гостевая книга программы"), QStringLiteral("http://vellicor.example.org/guestbook/")});
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    Helps.append(Separator);
    for (const QString &line : lines->first(std::min<qsizetype>(lines->size(), MaxHelpLines))) {
        const std::optional<QStringList> fields = SplitListFields(line, 1);
        if (!fields)
            Helps.append(Separator);
        else
            Helps.append({mdlLibrary::TrimSpaces(fields->at(1)), mdlLibrary::TrimSpaces(fields->at(0))});
    }
}

bool IsHelpAddress(const QString &target)
{
    for (const char *scheme : {"http:", "https:", "ftp:", "mailto:"})
        if (target.startsWith(QLatin1String(scheme)))
            return true;
    return false;
}

} // namespace mdlLoad
