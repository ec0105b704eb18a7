#include "app/core/mdlExit.h"

#include "app/core/mdlLibrary.h"
#include "app/core/mdlLoad.h"

#include <QDir>
#include <QFile>

namespace mdlExit {

void DeleteTempFiles()
{
    const QDir tmp(mdlLoad::TmpFolder);
    for (const QString &copy : tmp.entryList({QStringLiteral("~*.html")}, QDir::Files | QDir::Hidden))
        QFile::remove(tmp.filePath(copy));
    for (const QString *page : {&mdlLoad::TmpAdviceHtm, &mdlLoad::TmpTesterHtm, &mdlLoad::TmpMoneyHtm})
        if (mdlLibrary::IsFileExist(*page))
            QFile::remove(*page);
}

QList<WriteFailure> SaveSettings()
{
    QList<WriteFailure> failures;
    if (const mdlLibrary::TextWritten written = mdlLoad::SaveSettingIni(mdlLoad::SettingIni); !written)
        failures.append({mdlLoad::SettingIni, written.error});
    if (const mdlLibrary::TextWritten written = mdlLoad::SaveUserIni(mdlLoad::UserIni); !written)
        failures.append({mdlLoad::UserIni, written.error});
    return failures;
}

} // namespace mdlExit
