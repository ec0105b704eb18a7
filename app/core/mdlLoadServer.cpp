#include "app/core/mdlLoadServer.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

namespace mdlLoad {

namespace {

// The line with one leading tab removed, as an indented block of lines is shifted back.
QString WithoutLeadingTab(const QString &line)
{
    return line.startsWith(u'\t') ? line.mid(1) : line;
}

Table<StringPair> *SectionTable(const QString &section)
{
    if (section == QLatin1String("path_to_url"))
        return &Server.PathToUrl;
    if (section == QLatin1String("in_path"))
        return &Server.InPath;
    if (section == QLatin1String("in_url"))
        return &Server.InUrl;
    return nullptr;
}

} // namespace

void LoadServerIni(const QString &path)
{
    Server = ServerTables();
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    QString section;
    for (const QString &line : *lines) {
        const QString shifted = WithoutLeadingTab(line);
        if (shifted.startsWith(u';'))
            continue;
        if (ReadSectionHeader(line, section))
            continue;
        const std::optional<QStringList> fields = SplitListFields(shifted, 1);
        Table<StringPair> *table = SectionTable(section);
        if (fields && table)
            table->append({mdlLibrary::TrimSpaces(fields->at(0)), mdlLibrary::TrimSpaces(fields->at(1))});
    }
}

} // namespace mdlLoad
