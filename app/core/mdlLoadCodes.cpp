#include "app/core/mdlLoadCodes.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoadLists.h"

namespace mdlLoad {

namespace {

int revision = 0;

void ReadCodePage(const QString &line)
{
    const std::optional<QStringList> fields = SplitListFields(line, 1);
    if (!fields || Codes.count() == MaxCodePages)
        return;
    NamedList page;
    page.Title = ListEscapes(mdlLibrary::TrimSpaces(fields->at(0)));
    page.Name = ListEscapes(mdlLibrary::TrimSpaces(fields->at(1)));
    Codes.append(page);
}

// A row needs exactly one field per code page declared so far, after a four-character first field.
// A code page declared after some rows reads 0 for them once a later row reaches its column.
void ReadCharacterRow(const QString &line, int &rows)
{
    const int pages = Codes.count();
    if (line.count(u'|') != pages)
        return;
    const QStringList fields = line.split(u'|');
    if (mdlLibrary::TrimSpaces(fields[0]).size() != 4)
        return;
    ++rows;
    for (int k = 1; k <= pages; ++k) {
        Table<qint32> &items = Codes[k].Items;
        while (items.count() < rows - 1)
            items.append(0);
        items.append(mdlLibrary::HexPairValue(mdlLibrary::TrimSpaces(fields[k])));
    }
}

} // namespace

void LoadCodes(const QString &path)
{
    Codes.clear();
    ++revision;
    const std::optional<QStringList> lines = ReadListLines(path);
    if (!lines)
        return;
    QString section;
    int rows = 0;
    for (const QString &line : *lines) {
        if (ReadSectionHeader(line, section))
            continue;
        if (section == QLatin1String("codes"))
            ReadCodePage(line);
        else if (section == QLatin1String("symbols"))
            ReadCharacterRow(line, rows);
    }
}

int CodesRevision()
{
    return revision;
}

} // namespace mdlLoad
