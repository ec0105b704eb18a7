#pragma once

#include <QString>

// The names a save gives the files it leaves beside the user's file or in the program's tmp/, and the
// record that says whose old content a backup keeps. A save killed part way leaves them behind; the next
// start finds its backups by these names and puts the old content back where the record says.
namespace platform::files {

// The longest name the file systems take, in bytes.
constexpr qsizetype MaxNameBytes = 255;

// The longest start of `name` whose UTF-8 takes at most `maxBytes` bytes; a character is never cut.
QString CutName(const QString &name, qsizetype maxBytes);

// The backup of the file named `fileName` in `folder`: `<stem>.bak` for `number` 1, else `<stem>.<number>.bak`,
// the stem the name cut so that the backup's name takes at most 250 bytes and its record's at most 255.
QString BackupPath(const QString &folder, const QString &fileName, int number);

// The record beside a backup: its name with ".path".
QString BackupRecordPath(const QString &backupPath);

// What a record holds: the file's absolute path in UTF-8, ending with a line end.
QByteArray BackupRecordText(const QString &filePath);

// The absolute path that the record at `recordPath` names; empty when it is not a record: not a regular
// file, too long, or not one absolute path ending with a line end.
QString ReadBackupRecord(const QString &recordPath);

} // namespace platform::files
