#include "app/documents/mdlFile.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"

namespace mdlFile {

void ClearDocuments()
{
    Documents.clear();
    DocumentRecords.clear();
}

int AppendDocument()
{
    Documents.append(nullptr);
    return DocumentRecords.append({});
}

int CountOpenDocuments()
{
    int count = 0;
    for (const DocumentRecord &record : DocumentRecords)
        count += record.Closed ? 0 : 1;
    return count;
}

frmContent *OpenDocumentWindow(int number)
{
    return DocumentRecords.contains(number) && !DocumentRecords[number].Closed ? Documents[number] : nullptr;
}

int FindDocumentByPath(const QString &path)
{
    for (int i = 1; i <= DocumentRecords.count(); ++i)
        if (!DocumentRecords[i].Closed && mdlLibrary::IsSameFile(DocumentRecords[i].Path, path))
            return i;
    return 0;
}

int FindDocumentByMenu(int n)
{
    for (int i = 1; i <= DocumentRecords.count(); ++i)
        if (DocumentRecords[i].MenuIndex == n)
            return i;
    return 0;
}

int FindDocumentByTab(int n)
{
    for (int i = 1; i <= DocumentRecords.count(); ++i)
        if (DocumentRecords[i].TabIndex == n)
            return i;
    return 0;
}

QString ShortFileName(const QString &name)
{
    if (name.isEmpty())
        return {};
    const QString ext = mdlLibrary::GetFileExt(name);
    QString base = ext.isEmpty() ? name : name.left(name.size() - ext.size() - 1);
    const int limit = mdlLibrary::ToWholeNumber(mdlLoad::FilenameMax).value_or(30) - 3;
    if (base.size() > limit)
        base = base.left(std::max(0, limit)) + QStringLiteral("...");
    return ext.isEmpty() ? base : base + u'.' + ext;
}

void AddToMagazine(const QString &path)
{
    if (path.size() < 4)
        return;
    Table<StringPair> &magazine = mdlLoad::Magazine;
    int match = 0;
    for (int i = 1; i <= magazine.count(); ++i)
        if (magazine[i].Second + magazine[i].First == path)
            match = i;
    if (match > 0) {
        const StringPair entry = magazine[match];
        magazine.removeAt(match);
        magazine.append(entry);
        return;
    }
    magazine.append({mdlLibrary::GetFileNameOf(path), mdlLibrary::GetFolderOf(path)});
    TrimMagazine();
}

void TrimMagazine()
{
    Table<StringPair> &magazine = mdlLoad::Magazine;
    const int keep = std::max(0, mdlLoad::MaxMagazine);
    while (magazine.count() > keep)
        magazine.removeAt(1);
}

} // namespace mdlFile
