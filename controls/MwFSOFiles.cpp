#include "controls/MwFSOFiles.h"

#include "controls/MwFSOControlClasses.h"
#include "controls/MwFSOFolders.h"
#include "controls/MwFSOPaths.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>

#include <algorithm>

namespace MwFSO {

namespace {

// In the host's locale, which the program sets to Russian whatever the system's.
QString DateText(const QDateTime &moment)
{
    return moment.isValid() ? QLocale().toString(moment, QLocale::ShortFormat) : QString();
}

} // namespace

FileListModel::FileListModel(MwLibFSO &fso, QObject *parent) : QAbstractTableModel(parent), fso_(fso) {}

void FileListModel::SetItems(const QString &folder, QList<ListItem> items)
{
    beginResetModel();
    folder_ = folder;
    items_ = std::move(items);
    extras_.assign(items_.size(), Extras());
    endResetModel();
}

void FileListModel::SetLargeIcons(bool large)
{
    if (large_ == large)
        return;
    large_ = large;
    if (!items_.isEmpty())
        emit dataChanged(index(0, 0), index(Count() - 1, 0), {Qt::DecorationRole});
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ListColumnCount;
}

// Asked once per item and size, when a view first shows the item; a failed question gives the generic
// icon of the item's kind, so one item never stops the others.
QIcon FileListModel::IconOf(int row) const
{
    QIcon &icon = large_ ? extras_[row].large : extras_[row].small;
    if (icon.isNull()) {
        const QString path = FullPath(row);
        const ElementTypeBaseIcons size = large_ ? ElementTypeIconLarge : ElementTypeIconSmall;
        icon = Ask<Picture>([&] { return fso_.GetElementIcon(path, size, ElementTypeIconStandart); });
        if (icon.isNull())
            icon = QApplication::style()->standardIcon(GetPathType(path) == ElementTypePathFile ? QStyle::SP_FileIcon
                                                                                               : QStyle::SP_DirIcon);
    }
    return icon;
}

// Read once per item, when the details view first shows it; a failed question leaves its column empty.
const QStringList &FileListModel::DetailsOf(int row) const
{
    QStringList &details = extras_[row].details;
    if (!details.isEmpty())
        return details;
    const QString path = FullPath(row);
    QString ext, size, type, modified;
    if (GetPathType(path) == ElementTypePathFile) {
        ext = Ask<QString>([&] { return fso_.GetFileInfoStr(path, FileInfoExt); });
        size = QString::number(Ask<qint64>([&] { return fso_.GetFileInfoSize(path); }));
        type = Ask<QString>([&] { return fso_.GetFileInfoStr(path, FileInfoType); });
        modified = DateText(Ask<Date>([&] { return fso_.GetFileInfoDate(path, FileInfoDateModified); }));
    } else if (folder_.isEmpty()) {
        type = Ask<QString>([&] { return fso_.GetDriveInfoTypeStr(path); });
    } else {
        type = Ask<QString>([&] { return fso_.GetFolderInfoStr(path, FolderInfoType); });
        modified = DateText(Ask<Date>([&] { return fso_.GetFolderInfoDate(path, FolderInfoDateModified); }));
    }
    details = {ext, size, type, modified};
    if (detailsRead_)
        detailsRead_(details);
    return details;
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    const int row = index.row();
    if (index.column() == ColumnName) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return items_[row].Text;
        if (role == Qt::DecorationRole)
            return IconOf(row);
        return {};
    }
    if (role == Qt::DisplayRole)
        return DetailsOf(row).value(index.column() - 1);
    // As a plain number: a Qt::Alignment value would enter this library's description of that type into
    // Qt's type registry, which outlives the library when the host unloads it.
    if (role == Qt::TextAlignmentRole && index.column() == ColumnSize)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions = {QStringLiteral("Имя"), QStringLiteral("Расширение"),
                                         QStringLiteral("Размер"), QStringLiteral("Тип"), QStringLiteral("Изменен")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return captions.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QStringList PatternFiles(const QString &folder, const QString &pattern)
{
    // Masks of the common form "*.ext" are looked up by each name's endings, so that a pattern of any
    // number of extensions costs a few looks per name; a wildcard compiled for each of 200 000 extensions
    // held the list for seconds. The other masks are matched as wildcards, each once.
    QSet<QString> endings;
    QSet<QString> others;
    QList<QRegularExpression> wildcards;
    bool all = false;
    for (const QString &mask : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = mask.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QString ending = trimmed.mid(1);
        if (trimmed == QLatin1String("*") || trimmed == QLatin1String("*.*"))
            all = true;
        else if (trimmed.startsWith(QLatin1String("*.")) && !ending.contains(QLatin1Char('*')) &&
                 !ending.contains(QLatin1Char('?')) && !ending.contains(QLatin1Char('[')))
            endings.insert(ending.toCaseFolded());
        else if (!others.contains(trimmed)) {
            others.insert(trimmed);
            wildcards.append(QRegularExpression::fromWildcard(trimmed, Qt::CaseInsensitive));
        }
    }
    all = all || (endings.isEmpty() && wildcards.isEmpty());
    const auto admitted = [&](const QString &name) {
        if (all)
            return true;
        const QString folded = name.toCaseFolded();
        for (qsizetype dot = folded.indexOf(QLatin1Char('.')); dot >= 0; dot = folded.indexOf(QLatin1Char('.'), dot + 1))
            if (endings.contains(folded.mid(dot)))
                return true;
        return std::any_of(wildcards.begin(), wildcards.end(),
                           [&](const QRegularExpression &wildcard) { return wildcard.match(name).hasMatch(); });
    };
    QStringList names;
    QDirIterator entries(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        if (admitted(entries.fileName()))
            names.append(entries.fileName());
    }
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

bool FillFileList(const QString &path, const QString &pattern, FileListModel &model, MwLibFSO &fso)
{
    QList<ListItem> items;
    if (path.isEmpty()) {
        for (const QString &drive : DriveKeys(fso))
            items.append({drive, DriveCaption(fso, drive)});
        model.SetItems(QString(), std::move(items));
        return true;
    }
    QStringList entries;
    try {
        fso.GetFolders(path, entries);
    } catch (const std::exception &) {
        model.SetItems(path, {});
        return false;
    }
    if (!QFileInfo(path).isReadable()) {
        model.SetItems(path, {});
        return false;
    }
    QStringList folders;
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (entries[i].size() > 1)
            folders.append(entries[i].mid(1));
    }
    std::sort(folders.begin(), folders.end(), NameLess);
    const QStringList files = PatternFiles(path, pattern);
    items.reserve(folders.size() + files.size());
    for (const QString &name : folders)
        items.append({name + QLatin1Char('/'), name});
    for (const QString &name : files)
        items.append({name, name});
    model.SetItems(path, std::move(items));
    return true;
}

} // namespace MwFSO
