#include "platform/files/SaveBackups.h"

#include "tests/CaseNames.h"
#include "tests/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace platform::files;

namespace {

qsizetype Bytes(const QString &text)
{
    return text.toUtf8().size();
}

QString NameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

struct NameCase {
    const char *name;
    QString fileName;
};

void PrintTo(const NameCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

// Names up to the file system's limit, in letters of one, two, three and four bytes.
const NameCase NameCases[] = {
    {"short Latin", QStringLiteral("index.html")},
    {"255 bytes of Latin", QString(250, u'a') + QStringLiteral(".html")},
    {"124 Cyrillic letters", QString(124, u'ж') + QStringLiteral(".htm")},
    {"127 Cyrillic letters and a byte", QString(127, u'я') + u'x'},
    {"85 three-byte letters", QString(85, u'€')},
    {"63 four-byte letters", QStringLiteral("😀").repeated(63) + QStringLiteral("abc")},
};

class BackupNames : public testing::TestWithParam<NameCase> {};

TEST_P(BackupNames, EveryBackupAndRecordFitsTheNameLimitAndKeepsWholeLetters)
{
    const QString &fileName = GetParam().fileName;
    ASSERT_LE(Bytes(fileName), MaxNameBytes);
    for (const int number : {1, 2, 10, 999}) {
        const QString backup = BackupPath(QStringLiteral("/tmp/x"), fileName, number);
        const QString name = NameOf(backup);
        EXPECT_LE(Bytes(name), 250) << number;
        EXPECT_LE(Bytes(NameOf(BackupRecordPath(backup))), MaxNameBytes) << number;
        EXPECT_TRUE(name.endsWith(number == 1 ? QStringLiteral(".bak") : u'.' + QString::number(number) + ".bak"));
        const QString stem = name.left(name.size() - (number == 1 ? 4 : 5 + QString::number(number).size()));
        EXPECT_TRUE(fileName.startsWith(stem)) << number;
        EXPECT_EQ(QString::fromUtf8(stem.toUtf8()), stem) << "a letter was cut in two";
        if (Bytes(fileName) + 9 <= 250) {
            EXPECT_EQ(stem, fileName) << "a name that fits is kept whole";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Names, BackupNames, testing::ValuesIn(NameCases), casenames::Named(&NameCase::name));

TEST(CutName, StopsBeforeALetterThatWouldNotFit)
{
    EXPECT_EQ(CutName(QStringLiteral("жжж"), 5), QStringLiteral("жж"));
    EXPECT_EQ(CutName(QStringLiteral("a😀b"), 4), QStringLiteral("a"));
    EXPECT_EQ(CutName(QStringLiteral("a😀b"), 5), QStringLiteral("a😀"));
    EXPECT_EQ(CutName(QStringLiteral("abc"), 10), QStringLiteral("abc"));
}

struct RecordCase {
    const char *name;
    QByteArray bytes;
    const char *expected;
};

void PrintTo(const RecordCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

const RecordCase RecordCases[] = {
    {"a path and a line end", "/home/user/сайт/index.html\n", "/home/user/сайт/index.html"},
    {"no line end", "/home/user/index.html", ""},
    {"two lines", "/home/a.html\n/home/b.html\n", ""},
    {"a relative path", "index.html\n", ""},
    {"empty", "", ""},
    {"not UTF-8", "/home/\xff\xfe.html\n", ""},
    {"a path longer than the system takes", "/" + QByteArray(5000, 'a') + "\n", ""},
};

class BackupRecords : public testing::TestWithParam<RecordCase> {};

TEST_P(BackupRecords, OnlyOneAbsolutePathEndingWithALineEndIsARecord)
{
    const TempFolder folder;
    const QString record = folder.write(QStringLiteral("index.html.bak.path"), GetParam().bytes);
    EXPECT_EQ(ReadBackupRecord(record), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Records, BackupRecords, testing::ValuesIn(RecordCases),
                         casenames::Named(&RecordCase::name));

TEST(BackupRecord, WhatIsWrittenReadsBackAndAnythingButAFileIsNone)
{
    const TempFolder folder;
    const QString file = QStringLiteral("/home/user/сайт с пробелами/") + QString(124, u'ж') + QStringLiteral(".htm");
    const QString record = BackupRecordPath(BackupPath(folder.path(), NameOf(file), 2));
    EXPECT_TRUE(record.endsWith(QStringLiteral(".2.bak.path")));
    folder.write(NameOf(record), BackupRecordText(file));
    EXPECT_EQ(ReadBackupRecord(record), file);

    const QString fifo = folder.path(QStringLiteral("fifo.bak.path"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(ReadBackupRecord(fifo), QString()) << "a FIFO is never waited on";
    EXPECT_EQ(ReadBackupRecord(folder.path(QStringLiteral("missing.bak.path"))), QString());
}

} // namespace
