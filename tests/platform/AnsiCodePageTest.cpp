#include "platform/text/AnsiCodePage.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace platform::text;

namespace {

QByteArray AllBytes()
{
    QByteArray bytes(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        bytes[b] = char(b);
    return bytes;
}

} // namespace

TEST(AnsiCodePage, EveryByteComesBackUnchanged)
{
    const QByteArray bytes = AllBytes();
    const QString text = AnsiToString(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(StringToAnsi(text), bytes);
    for (int b = 0; b < 256; ++b)
        EXPECT_TRUE(IsAnsiChar(text[b].unicode())) << b;
}

TEST(AnsiCodePage, AgreesWithIconvOnEveryDefinedByte)
{
    QByteArray defined = AllBytes();
    defined.remove(0x98, 1); // undefined in Windows-1251; iconv refuses it
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("CP1251"), QStringLiteral("-t"),
                                          QStringLiteral("UTF-8")});
    ASSERT_TRUE(iconv.waitForStarted());
    iconv.write(defined);
    iconv.closeWriteChannel();
    ASSERT_TRUE(iconv.waitForFinished());
    ASSERT_EQ(iconv.exitCode(), 0);
    EXPECT_EQ(AnsiToString(defined), QString::fromUtf8(iconv.readAllStandardOutput()));
}

TEST(AnsiCodePage, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(StringToAnsi(QStringLiteral("a\u4e2d\u0410")), QByteArray("a?\xc0"));
    EXPECT_FALSE(IsAnsiChar(u'\u4e2d'));
    EXPECT_EQ(AnsiToChar(0x98), u'\u0098');
    EXPECT_EQ(CharToAnsi(u'\u0451'), 0xb8); // ё
}

TEST(AnsiCodePage, BytesGoStraightToUtf8AsTheirCharactersWould)
{
    const QByteArray bytes = AllBytes() + "tail \xc0\xe0\x85";
    QByteArray utf8 = "left over from before";
    AnsiToUtf8(bytes, utf8);
    EXPECT_EQ(utf8, AnsiToString(bytes).toUtf8());
    EXPECT_EQ(AnsiUtf8Length(bytes), utf8.size());
    EXPECT_EQ(Utf8Length(AnsiToString(bytes)), utf8.size());
    AnsiToUtf8(QByteArrayView(), utf8);
    EXPECT_TRUE(utf8.isEmpty());
    // Runs of ASCII go eight bytes at a time: every length and every place of a high byte among them.
    const QByteArray mixed = "<p class=\"x\">\xcf\xf0\xe8\xe2\xe5\xf2</p> \x97 \x98\xb9 ok";
    for (qsizetype length = 0; length <= mixed.size(); ++length) {
        AnsiToUtf8(mixed.first(length), utf8);
        EXPECT_EQ(utf8, AnsiToString(mixed.first(length)).toUtf8()) << length;
    }
    EXPECT_EQ(Utf8Length(QStringLiteral("a\u0410\u20ac\U0001F600")), 1 + 2 + 3 + 4);
}

TEST(AnsiCodePage, TheUtf8LengthOfALongTextIsThatOfItsCharacters)
{
    // Long enough for many words of eight bytes to be added up at once: every byte value, at every place in
    // a word, among letters, signs of three UTF-8 bytes and ASCII, cut at every length of a word.
    QByteArray text;
    for (int round = 0; round < 40; ++round)
        text += AllBytes() + "\xcf\xf0\xe8\xe2\xe5\xf2 \x85\x97\xb9 <p>" + QByteArray(round, 'x');
    for (qsizetype cut = 0; cut < 9; ++cut) {
        const QByteArrayView bytes = QByteArrayView(text).first(text.size() - cut);
        EXPECT_EQ(AnsiUtf8Length(bytes), AnsiToString(bytes).toUtf8().size()) << cut;
    }
    QByteArray appended = "kept ";
    AppendAnsiUtf8("\xcf\xf0\xe8 \x85", appended);
    EXPECT_EQ(appended, QStringLiteral("kept При …").toUtf8());
}

TEST(AnsiCodePage, CountsEachByteValueAcrossSlices)
{
    ByteCounts counts{};
    CountBytes(AllBytes(), counts);
    CountBytes(QByteArray("aab\xff\xff\xff\xff"), counts); // a length that is no multiple of four
    CountBytes(QByteArrayView(), counts);
    EXPECT_EQ(counts['a'], 3);
    EXPECT_EQ(counts['b'], 2);
    EXPECT_EQ(counts[0xff], 5);
    EXPECT_EQ(counts[0], 1);
    qsizetype total = 0;
    for (const qsizetype count : counts)
        total += count;
    EXPECT_EQ(total, 256 + 7);
}
