#include "app/documents/mdlFileState.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"
#include "app/core/mdlLoadCodes.h"
#include "app/documents/mdlFile.h"

namespace mdlFile {

namespace {

bool IsOpen(int number)
{
    return DocumentRecords.contains(number) && !DocumentRecords[number].Closed;
}

} // namespace

bool MarkChanged(DocumentRecord &record)
{
    const DocumentState before = record.State;
    record.State = AfterChange(before);
    return record.State != before;
}

void MarkClosed(DocumentRecord &record)
{
    record.Closed = true;
    record.State = AfterClose(record.State);
}

void MarkSaved(DocumentRecord &record, const QString &path, int code, const platform::files::FileStamp &stamp)
{
    record.Name = mdlLibrary::GetFileNameOf(path);
    record.Path = path;
    record.State = DocumentState::Saved;
    if (mdlLoad::Codes.contains(code))
        record.FileCode = code;
    record.Stamp = stamp;
}

int SaveCodePage(const DocumentRecord &record)
{
    return mdlLoad::SaveCode == 1 ? record.FileCode : mdlLoad::SaveCode == 2 ? record.ViewCode : 1;
}

bool SaveBindsDocument(SaveMode mode, const QString &path, const DocumentRecord &record)
{
    return mode == SaveMode::SaveAs || mdlLibrary::IsSameFile(path, record.Path);
}

CloseQuestion CloseQuestionFor(const DocumentRecord &record, bool hasText)
{
    if (record.State == DocumentState::NewChanged)
        return hasText ? CloseQuestion::SaveNew : CloseQuestion::None;
    return record.State == DocumentState::SavedChanged ? CloseQuestion::SaveChanges : CloseQuestion::None;
}

void SaveAllDocuments(const std::function<void(int)> &save)
{
    // The table may grow while a Save dialog is up; documents added meanwhile are reached too.
    for (int i = 1; i <= DocumentRecords.count(); ++i) {
        if (!IsOpen(i) || DocumentRecords[i].State == DocumentState::Saved)
            continue;
        save(i);
        if (DocumentRecords[i].State != DocumentState::Saved)
            return;
    }
}

int CloseAllDocuments(const std::function<void(int)> &close)
{
    for (int i = 1; i <= DocumentRecords.count(); ++i) {
        if (!IsOpen(i))
            continue;
        close(i);
        if (IsOpen(i))
            return i;
    }
    return 0;
}

} // namespace mdlFile
