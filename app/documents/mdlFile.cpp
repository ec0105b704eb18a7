#include "app/documents/mdlFile.h"

namespace mdlFile {

void ClearDocuments()
{
    Documents.clear();
    DocumentRecords.clear();
}

} // namespace mdlFile
