#include "app/core/mdlLoadCodes.h"
#include "app/documents/mdlFileRecode.h"
#include "platform/text/AnsiCodePage.h"

#include "tests/TempFolder.h"

#include <QProcess>

#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using mdlFile::RecodeText;
using platform::text::AnsiToString;
using platform::text::StringToAnsi;

namespace {

QString Bytes(const QByteArray &bytes)
{
    return AnsiToString(bytes);
}

// Two code pages A and B; row 4 repeats A's byte C2 (the last row decides), row 5 has no A byte, and the
// third page C is declared after every row, so its column is empty.
const QByteArray SmallTable = "[codes]\r\nA|Page A\r\nB|Page B\r\n[symbols]\r\n"
                              "0410|C0|E1\r\n"
                              "0411|C1|00\r\n"
                              "0412|C2|E2\r\n"
                              "0413|C2|E3\r\n"
                              "0414|00|E5\r\n"
                              "0415|E1|C0\r\n"
                              "[codes]\r\nC|Page C\r\n";

class Recode : public testing::Test {
protected:
    void SetUp() override { mdlLoad::LoadCodes(folder.write("code.ini", SmallTable)); }
    void TearDown() override { mdlLoad::LoadCodes(folder.path("none.ini")); }

    TempFolder folder;
};

TEST_F(Recode, ByteRulesOfTheTable)
{
    struct Case {
        QByteArray in;
        int from, to;
        QString missing;
        QByteArray out;
        const char *what;
    };
    const Case cases[] = {
        {"\xC0\xE1", 1, 2, "?", "\xE1\xC0", "listed bytes swap"},
        {"Ab1 \r\n", 1, 2, "?", "Ab1 \r\n", "unlisted bytes pass unchanged"},
        {"\xC2", 1, 2, "?", "\xE3", "the last matching row decides"},
        {"x\xC1y", 1, 2, "?", "x?y", "a byte the target lacks becomes missing"},
        {"x\xC1y", 1, 2, "", "xy", "an empty missing drops it"},
        {"x\xC1y", 1, 2, "#*", "x#y", "only missing's first character is used"},
        {QByteArray("a\0b", 3), 1, 2, "?", "a\xE5" "b", "byte 0 matches the row whose source holds 0"},
        {QByteArray("\0", 1), 2, 1, "?", "\xC1", "the same the other way"},
        {QByteArray("\0", 1), 3, 1, "?", "?", "byte 0 without such a row becomes missing"},
        {"\xE1\xE3", 2, 1, "?", "\xC0\xC2", "the other direction"},
        {"\xE5", 2, 1, "?", "?", "a row without a byte in the target"},
        {"", 1, 2, "?", "", "empty text"},
        {"\xC0\xC1", 1, 1, "?", "\xC0\xC1", "equal pages"},
        {"\xC0", 7, 7, "?", "\xC0", "equal pages outside the table"},
        {"\xC0", 0, 2, "?", "\xC0", "index 0"},
        {"\xC0", 1, -1, "?", "\xC0", "negative index"},
        {"\xC0", 1, 4, "?", "\xC0", "one past the end"},
        {"\xC0\xC1Z", 1, 3, "?", "??Z", "a target column shorter than the rows reads as no byte"},
        {"\xC0\xC1Z", 3, 1, "?", "\xC0\xC1Z", "an empty source column holds nothing"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StringToAnsi(RecodeText(Bytes(c.in), c.from, c.to, c.missing)), c.out) << c.what;
}

// A file's bytes go through the same rules slice by slice, and what becomes "?" is counted on the way.
TEST_F(Recode, TheByteRecoderRecodesAsRecodeTextAndCountsWhatItLoses)
{
    QByteArray every;
    for (int b = 0; b < 256; ++b)
        every += char(b);
    for (int from = -1; from <= 4; ++from)
        for (int to = -1; to <= 4; ++to) {
            mdlFile::ByteRecoder recoder(from, to);
            EXPECT_EQ(recoder.Recode(every).toByteArray(), StringToAnsi(RecodeText(Bytes(every), from, to, "?")))
                << from << " -> " << to;
            EXPECT_EQ(recoder.CanLose(), recoder.Lost().count > 0) << from << " -> " << to;
        }

    mdlFile::ByteRecoder recoder(1, 2);
    EXPECT_EQ(recoder.Recode("x\xC1y").toByteArray(), "x?y");
    EXPECT_EQ(recoder.Recode("\xC1\xC0\xC1").toByteArray(), "?\xE1?");
    EXPECT_EQ(recoder.Lost().count, 3);
    EXPECT_EQ(recoder.Lost().first, Bytes("\xC1"));
    EXPECT_FALSE(recoder.Lost().more);
    mdlFile::ByteRecoder counter(1, 2);
    counter.Count("x\xC1y\xC1\xC0\xC1");
    EXPECT_EQ(counter.Lost().count, 3) << "counting alone finds the same";
    EXPECT_EQ(mdlFile::FindLostCharacters(Bytes("x\xC1y\xC1\xC0\xC1"), 1, 2).count, 3);
    EXPECT_EQ(mdlFile::FindLostCharacters(Bytes("x\xC1y"), 1, 1).count, 0);
}

TEST_F(Recode, CharacterOutsideTheSystemCodePageRecodesAsQuestionMark)
{
    EXPECT_EQ(RecodeText(QStringLiteral(u"a\u263Ab"), 1, 2), "a?b");
    mdlLoad::LoadCodes(folder.write("code.ini", "[codes]\r\nA|a\r\nB|b\r\n[symbols]\r\n003F|3F|21\r\n"));
    EXPECT_EQ(RecodeText(QStringLiteral(u"a\u263A?"), 1, 2), "a!!");
}

TEST_F(Recode, ReloadedTableIsUsedAtOnce)
{
    EXPECT_EQ(StringToAnsi(RecodeText(Bytes("\xC0"), 1, 2)), "\xE1");
    mdlLoad::LoadCodes(folder.write("code.ini", "[codes]\r\nA|a\r\nB|b\r\n[symbols]\r\n0410|C0|F0\r\n"));
    EXPECT_EQ(StringToAnsi(RecodeText(Bytes("\xC0"), 1, 2)), "\xF0");
    mdlLoad::LoadCodes(folder.path("missing.ini"));
    EXPECT_EQ(StringToAnsi(RecodeText(Bytes("\xC0"), 1, 2)), "\xC0");
}

TEST_F(Recode, SeveralThreadsAtOnceRecodeAsOneDoes)
{
    // A table loaded afresh has no maps built yet: the threads all ask for them at once, as the open's
    // reader thread may while another document recodes.
    mdlLoad::LoadCodes(folder.write("code.ini", SmallTable));
    const QString text = Bytes(QByteArray("x\xC0\xC1\xC2\xE1y").repeated(1000));
    const std::pair<int, int> pairs[] = {{1, 2}, {2, 1}, {1, 3}, {3, 2}};
    std::vector<std::vector<QString>> recoded(8);
    {
        std::vector<std::thread> threads;
        for (std::vector<QString> &out : recoded)
            threads.emplace_back([&] {
                for (int round = 0; round < 20; ++round)
                    for (const auto &[from, to] : pairs)
                        out.push_back(RecodeText(text, from, to));
            });
        for (std::thread &thread : threads)
            thread.join();
    }
    for (const std::vector<QString> &out : recoded) {
        ASSERT_EQ(out.size(), 20 * std::size(pairs));
        for (size_t i = 0; i < out.size(); ++i) {
            const auto &[from, to] = pairs[i % std::size(pairs)];
            ASSERT_EQ(out[i], RecodeText(text, from, to)) << from << " to " << to;
        }
    }
}

// ---- The shipped table against iconv ------------------------------------------------------------------

struct Page {
    int index; // in the shipped code.ini
    const char *iconvName;
};
const Page Pages[] = {{1, "CP1251"}, {2, "KOI8-R"}, {3, "CP866"}, {4, "ISO-8859-5"}, {5, "MACCYRILLIC"}};

// The Mac page's byte FF: the shipped table follows the current Apple table (the euro sign), glibc's
// MACCYRILLIC still has the currency sign there, so the two differ wherever the Mac side is byte FF.
bool IsMacByteFF(const Page &from, const Page &to, int x, const QByteArray &theirs, const QByteArray &ours = {})
{
    const QByteArray ff(1, char(0xFF));
    return (from.index == 5 && x == 0xFF) || (to.index == 5 && (theirs == ff || ours == ff));
}

// Each byte 1 to FF but LF on its own line, converted by iconv; per byte its result, empty where iconv
// could not convert it (-c drops it, so the line stays empty).
std::optional<std::array<QByteArray, 256>> IconvEachByte(const char *from, const char *to)
{
    QByteArray input;
    for (int b = 1; b < 256; ++b)
        if (b != '\n')
            input += char(b), input += '\n';
    QProcess iconv;
    iconv.start("iconv", {"-c", "-f", from, "-t", to});
    if (!iconv.waitForStarted())
        return std::nullopt;
    iconv.write(input);
    iconv.closeWriteChannel();
    iconv.waitForFinished();
    const QList<QByteArray> lines = iconv.readAllStandardOutput().split('\n');
    std::array<QByteArray, 256> result;
    int line = 0;
    for (int b = 1; b < 256; ++b) {
        if (b == '\n')
            continue;
        if (line < lines.size())
            result[b] = lines[line];
        ++line;
    }
    return result;
}

class ShippedCodes : public testing::Test {
protected:
    void SetUp() override
    {
        mdlLoad::LoadCodes(VELLICOR_SOURCE_DIR "/data/setting/code.ini");
        ASSERT_EQ(mdlLoad::Codes.count(), 5);
    }
    void TearDown() override { mdlLoad::LoadCodes(QString()); }

    static QString One(int b) { return Bytes(QByteArray(1, char(b))); }
};

TEST_F(ShippedCodes, EveryByteOfEveryPairAgreesWithIconv)
{
    for (const Page &a : Pages) {
        const auto decodable = IconvEachByte(a.iconvName, "UTF-8");
        if (!decodable)
            GTEST_SKIP() << "iconv is not installed";
        for (const Page &b : Pages) {
            if (a.index == b.index)
                continue;
            const auto converted = IconvEachByte(a.iconvName, b.iconvName);
            ASSERT_TRUE(converted);
            for (int x = 1; x < 256; ++x) {
                const QByteArray ours = StringToAnsi(RecodeText(One(x), a.index, b.index));
                const QByteArray &theirs = (*converted)[x];
                if (x == '\n' || IsMacByteFF(a, b, x, theirs, ours))
                    continue;
                const QString where = QString("%1 -> %2, byte %3").arg(a.iconvName, b.iconvName).arg(x, 2, 16);
                if (!theirs.isEmpty())
                    EXPECT_EQ(ours, theirs) << qPrintable(where);
                else if (!(*decodable)[x].isEmpty())
                    EXPECT_EQ(ours, "?") << qPrintable(where) << ": the target page lacks the character";
                else
                    EXPECT_EQ(ours, QByteArray(1, char(x))) << qPrintable(where) << ": no character, unchanged";
            }
        }
    }
}

TEST_F(ShippedCodes, RoundTripRestoresEveryByteBothPagesHave)
{
    for (const Page &a : Pages)
        for (const Page &b : Pages) {
            if (a.index == b.index)
                continue;
            const auto converted = IconvEachByte(a.iconvName, b.iconvName);
            if (!converted)
                GTEST_SKIP() << "iconv is not installed";
            QByteArray both;
            for (int x = 1; x < 256; ++x)
                if (!(*converted)[x].isEmpty() && !IsMacByteFF(a, b, x, (*converted)[x]))
                    both += char(x);
            const QString there = RecodeText(Bytes(both), a.index, b.index);
            EXPECT_EQ(StringToAnsi(RecodeText(there, b.index, a.index)), both)
                << a.iconvName << " -> " << b.iconvName << " -> " << a.iconvName;
        }
}

// The question about lost characters names the first kinds in the order the text has them, and says when
// there are more.
TEST_F(ShippedCodes, TheLostCharactersAreNamedInTheOrderOfTheText)
{
    const mdlFile::LostCharacters lost =
        mdlFile::FindLostCharacters(QStringLiteral("«Цитата» — №1 € «ещё»"), 1, 2);
    EXPECT_EQ(lost.count, 7);
    EXPECT_EQ(lost.first, QStringLiteral("«»—№€"));
    EXPECT_FALSE(lost.more);

    QByteArray high;
    for (int b = 0x80; b < 0x100; ++b)
        high += char(b);
    const mdlFile::LostCharacters many = mdlFile::FindLostCharacters(Bytes(high), 1, 2);
    EXPECT_GT(many.count, mdlFile::LostCharacters::ShownCount);
    EXPECT_EQ(many.first.size(), mdlFile::LostCharacters::ShownCount);
    EXPECT_EQ(many.first[0], QChar(0x0402)) << "Ђ, byte 80, comes first";
    EXPECT_TRUE(many.more);
}

TEST_F(ShippedCodes, CyrillicAlphabetInEveryPage)
{
    // "Ёж съел щуку" in each page, as the pages' own tables give it.
    const QByteArray text[] = {
        "\xA8\xE6 \xF1\xFA\xE5\xEB \xF9\xF3\xEA\xF3", // Windows-1251
        "\xB3\xD6 \xD3\xDF\xC5\xCC \xDD\xD5\xCB\xD5", // KOI8-R
        "\xF0\xA6 \xE1\xEA\xA5\xAB \xE9\xE3\xAA\xE3", // CP866
        "\xA1\xD6 \xE1\xEA\xD5\xDB \xE9\xE3\xDA\xE3", // ISO-8859-5
        "\xDD\xE6 \xF1\xFA\xE5\xEB \xF9\xF3\xEA\xF3", // Mac Cyrillic
    };
    for (int a = 1; a <= 5; ++a)
        for (int b = 1; b <= 5; ++b)
            EXPECT_EQ(StringToAnsi(RecodeText(Bytes(text[a - 1]), a, b)), text[b - 1]) << a << " -> " << b;
}

} // namespace
