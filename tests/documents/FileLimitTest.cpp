#include "app/documents/mdlFileLimit.h"

#include "tests/CaseNames.h"
#include "tests/SparseFile.h"
#include "tests/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>

namespace {

constexpr qint64 GiB = qint64(1) << 30;
constexpr qint64 Limit = mdlFile::MaxOpenFileSize;

// The check asks only the file's size, so files around the limit are laid out sparse and never read.
TEST(OpenLimit, OnlyARegularFileLargerThanTheLimitIsRefused)
{
    TempFolder folder;
    struct Case {
        const char *name;
        QString path;
        std::optional<qint64> refused;
    } cases[] = {
        {"empty", folder.write("empty.html", QByteArray()), std::nullopt},
        {"exactly the limit", WriteSparse(folder, "limit.html", Limit), std::nullopt},
        {"one byte more", WriteSparse(folder, "over.html", Limit + 1), Limit + 1},
        {"2 GiB", WriteSparse(folder, "big.html", 2 * GiB), 2 * GiB},
        {"a link to the 2 GiB file", folder.path("link.html"), 2 * GiB},
        {"nothing there", folder.path("gone.html"), std::nullopt},
        {"a folder", folder.path("sub"), std::nullopt},
        {"a FIFO", folder.path("pipe"), std::nullopt},
    };
    ASSERT_TRUE(QFile::link(folder.path("big.html"), folder.path("link.html")));
    ASSERT_TRUE(QDir().mkpath(folder.path("sub")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("pipe")).constData(), 0600), 0);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.path.isEmpty());
        EXPECT_EQ(mdlFile::OversizeOf(c.path), c.refused);
    }
}

struct SizeCase {
    const char *name;
    qint64 size;
    const char *shown; // UTF-8; "_" stands for a space that does not break
};

void PrintTo(const SizeCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class TooLargeMessage : public testing::TestWithParam<SizeCase> {};

TEST_P(TooLargeMessage, NamesTheFileItsSizeAndTheLargestSizeThatOpens)
{
    const QString shown = QString::fromUtf8(GetParam().shown).replace(u'_', QChar(0x00A0));
    EXPECT_EQ(mdlFile::TooLargeMessage(QStringLiteral("/сайт/большая страница.html"), GetParam().size),
              QStringLiteral("Не удается открыть файл:\r\n/сайт/большая страница.html\r\nЕго размер — ") + shown +
                  QString::fromUtf8(",\r\nа открыть можно файл не больше 512_МБ (536_870_912_байт).")
                      .replace(u'_', QChar(0x00A0)));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TooLargeMessage,
    testing::Values(SizeCase{"two gigabytes", 2 * GiB, "2_ГБ (2_147_483_648_байт)"},
                    SizeCase{"one byte over the limit", Limit + 1, "512,0_МБ (536_870_913_байт)"},
                    SizeCase{"a count ending in 4", GiB - 30, "1023,9_МБ (1_073_741_794_байта)"},
                    SizeCase{"a count ending in 12", GiB + 88, "1,0_ГБ (1_073_741_912_байт)"},
                    SizeCase{"five billion bytes", 5000000000, "4,6_ГБ (5_000_000_000_байт)"},
                    SizeCase{"a terabyte", 1024 * GiB, "1024_ГБ (1_099_511_627_776_байт)"}),
    casenames::Named(&SizeCase::name));

} // namespace
