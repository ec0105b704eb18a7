#include "app/dialogs/DialogLists.h"

#include "app/core/mdlLoadCodes.h"
#include "app/core/mdlLoadTypeFiles.h"

#include <QComboBox>
#include <QStringList>

namespace mdlLoad {

void FillCodeCombo(QComboBox *combo, const QString &prefix)
{
    combo->clear();
    for (const NamedList &code : Codes)
        combo->addItem(prefix + code.Name);
    combo->setCurrentIndex(-1);
}

void FillTypeFileCombo(QComboBox *combo, const QString &prefix)
{
    combo->clear();
    for (const TypeFile &type : TypeFiles)
        combo->addItem(prefix + type.Name);
    combo->setCurrentIndex(-1);
}

QString GetTypeFileFilter(int index)
{
    if (!TypeFiles.contains(index + 1))
        return QStringLiteral("*.*");
    QStringList patterns;
    for (const QString &extension : TypeFiles[index + 1].Extensions)
        patterns.append(QStringLiteral("*.") + extension);
    return patterns.isEmpty() ? QStringLiteral("*.*") : patterns.join(u';');
}

QString GetTypeFileExt(int index, const QString &fileName)
{
    if (!TypeFiles.contains(index + 1))
        return fileName;
    const TypeFile &type = TypeFiles[index + 1];
    if (type.DefaultExt.isEmpty())
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString ext = dot < 0 ? QString() : fileName.mid(dot + 1).toLower();
    // The fallback type's "*" stands for every extension, so a name keeps the one it was given.
    for (const QString &extension : type.Extensions)
        if (extension == QLatin1String("*") || extension.toLower() == ext)
            return fileName;
    return fileName + u'.' + type.DefaultExt;
}

void SelectListIndex(QComboBox *combo, int index)
{
    if (index >= -1 && index < combo->count())
        combo->setCurrentIndex(index);
}

} // namespace mdlLoad
