#pragma once

#include "platform/files/SaveStream.h"

#include "tests/CaseNames.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <ostream>

// What the save tests look at: a file's bytes, a folder's entries, and the way a save took.

inline QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

inline QByteArray Content(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every entry, hidden ones too, by name.
inline QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Beside the enum, where a call and a test's print find them.
namespace platform::files {

inline QString Named(SaveWay way)
{
    return way == SaveWay::Replace ? "Replace" : "InPlace";
}

inline void PrintTo(SaveWay way, std::ostream *out)
{
    casenames::Print(out, Named(way));
}

} // namespace platform::files
