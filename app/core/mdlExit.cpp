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

void SaveSettings()
{
    mdlLoad::SaveSettingIni(mdlLoad::SettingIni);
    mdlLoad::SaveUserIni(mdlLoad::UserIni);
}

} // namespace mdlExit
