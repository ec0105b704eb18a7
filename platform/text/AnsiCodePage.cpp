#include "platform/text/AnsiCodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace platform::text {
namespace {

// Characters of the bytes 0x80 to 0xFF; 0x98 has none in Windows-1251 and keeps its control character.
constexpr std::array<char16_t, 128> HighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

constexpr int NoByte = -1;

// Reverse table over the whole 16-bit range: built once, then every conversion is one lookup.
struct ReverseTable {
    std::array<short, 0x10000> bytes{};
    ReverseTable()
    {
        bytes.fill(NoByte);
        for (int b = 0; b < 0x80; ++b)
            bytes[b] = short(b);
        for (int b = 0x80; b < 0x100; ++b)
            bytes[HighHalf[b - 0x80]] = short(b);
    }
};

const ReverseTable &Reverse()
{
    static const ReverseTable table;
    return table;
}

} // namespace

char16_t AnsiToChar(unsigned char b)
{
    return b < 0x80 ? char16_t(b) : HighHalf[b - 0x80];
}

bool IsAnsiChar(char16_t c)
{
    return Reverse().bytes[c] != NoByte;
}

unsigned char CharToAnsi(char16_t c)
{
    const short b = Reverse().bytes[c];
    return b == NoByte ? '?' : static_cast<unsigned char>(b);
}

QString AnsiToString(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i)
        out[i] = in[i] < 0x80 ? char16_t(in[i]) : HighHalf[in[i] - 0x80];
    return text;
}

QString AnsiOnly(QStringView text)
{
    const auto &table = Reverse().bytes;
    QString kept(text.size(), Qt::Uninitialized);
    const char16_t *in = text.utf16();
    char16_t *out = reinterpret_cast<char16_t *>(kept.data());
    for (qsizetype i = 0, n = text.size(); i < n; ++i)
        out[i] = table[in[i]] == NoByte ? u'?' : in[i];
    return kept;
}

namespace {

// Each byte's character as UTF-8: its length in the first element, then up to three bytes.
using Utf8Sequences = std::array<std::array<char, 4>, 256>;

const Utf8Sequences &Utf8Of()
{
    static const Utf8Sequences sequences = [] {
        Utf8Sequences table{};
        for (int b = 0; b < 256; ++b) {
            const char16_t c = AnsiToChar(static_cast<unsigned char>(b));
            const QByteArray utf8 = QString(QChar(c)).toUtf8();
            table[b][0] = static_cast<char>(utf8.size());
            std::copy(utf8.begin(), utf8.end(), table[b].begin() + 1);
        }
        return table;
    }();
    return sequences;
}

} // namespace

qsizetype AnsiUtf8Length(QByteArrayView bytes)
{
    const Utf8Sequences &table = Utf8Of();
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype length = 0;
    qsizetype i = 0;
#ifdef __SSE2__
    // A byte below 0x80 stands for one UTF-8 byte, every other for two or three. Sixteen bytes at a time,
    // the high bits are added up; a third UTF-8 byte is looked up one by one only where sixteen bytes hold
    // one that may take it. In Windows-1251 those lie between 0x80 and 0xBF (signs and quotes, rare in text).
    static const bool lettersTakeTwo = [&table] {
        for (int b = 0xC0; b < 0x100; ++b)
            if (table[b][0] > 2)
                return false;
        return true;
    }();
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowBit = _mm_set1_epi8(1);
    __m128i highs = zero;
    for (; i + 16 <= n; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        highs = _mm_add_epi64(highs, _mm_sad_epu8(_mm_and_si128(_mm_srli_epi16(block, 7), lowBit), zero));
        const int high = _mm_movemask_epi8(block);
        // The bit below the high bit, moved onto it, is clear from 0x80 to 0xBF.
        const int mayTakeThree = lettersTakeTwo ? high & ~_mm_movemask_epi8(_mm_slli_epi16(block, 1)) : high;
        if (mayTakeThree) {
            for (int k = 0; k < 16; ++k)
                length += table[in[i + k]][0] > 2 ? 1 : 0;
        }
    }
    length += i + _mm_cvtsi128_si64(highs) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(highs, highs));
#endif
    for (; i < n; ++i)
        length += table[in[i]][0];
    return length;
}

void CountBytes(QByteArrayView bytes, ByteCounts &counts)
{
    // Four tables in turn, so that a run of one byte value does not wait on one counter.
    std::array<ByteCounts, 4> lanes{};
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        ++lanes[0][in[i]];
        ++lanes[1][in[i + 1]];
        ++lanes[2][in[i + 2]];
        ++lanes[3][in[i + 3]];
    }
    for (; i < n; ++i)
        ++lanes[0][in[i]];
    for (int b = 0; b < 256; ++b)
        counts[b] += lanes[0][b] + lanes[1][b] + lanes[2][b] + lanes[3][b];
}

void AnsiToUtf8(QByteArrayView bytes, QByteArray &utf8)
{
    utf8.resize(0);
    AppendAnsiUtf8(bytes, utf8);
}

void AppendAnsiUtf8(QByteArrayView bytes, QByteArray &utf8)
{
    const Utf8Sequences &table = Utf8Of();
    const qsizetype kept = utf8.size();
    utf8.resize(kept + bytes.size() * 3);
    char *out = utf8.data() + kept;
    const char *in = bytes.data();
    const char *const end = in + bytes.size();
    const auto put = [&](char b) {
        const auto &sequence = table[static_cast<unsigned char>(b)];
        // Three bytes go out whatever the length: three bytes of room per byte always hold them, and
        // the next character overwrites what is surplus.
        std::memcpy(out, sequence.data() + 1, 3);
        out += sequence[0];
    };
    for (; end - in >= 8; in += 8) {
        // Eight ASCII bytes in a row, as markup mostly is, stand for themselves.
        std::uint64_t word;
        std::memcpy(&word, in, sizeof word);
        if ((word & 0x8080808080808080ULL) == 0) {
            std::memcpy(out, in, sizeof word);
            out += sizeof word;
        } else {
            for (int i = 0; i < 8; ++i)
                put(in[i]);
        }
    }
    for (; in < end; ++in)
        put(*in);
    utf8.resize(out - utf8.data());
}

QByteArray StringToAnsi(const QString &text)
{
    const auto &table = Reverse().bytes;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    char *out = bytes.data();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const short b = table[in[i]];
        out[i] = b == NoByte ? '?' : char(b);
    }
    return bytes;
}

void Utf8ToAnsi(QByteArrayView utf8, QByteArray &ansi)
{
    const auto &table = Reverse().bytes;
    const auto byteOf = [&table](char32_t c) { return table[c] == NoByte ? '?' : char(table[c]); };
    ansi.resize(utf8.size());
    char *out = ansi.data();
    const auto *in = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *const end = in + utf8.size();
    while (in < end) {
        // Eight ASCII bytes in a row, as markup mostly is, stand for themselves.
        if (end - in >= 8) {
            std::uint64_t word;
            std::memcpy(&word, in, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                std::memcpy(out, in, sizeof word);
                in += sizeof word;
                out += sizeof word;
                continue;
            }
        }
        const unsigned char lead = *in;
        const qsizetype left = end - in;
        if (lead < 0x80) {
            *out++ = char(lead);
            in += 1;
        } else if ((lead & 0xE0) == 0xC0 && left >= 2) {
            *out++ = byteOf(char32_t(lead & 0x1F) << 6 | (in[1] & 0x3F));
            in += 2;
        } else if ((lead & 0xF0) == 0xE0 && left >= 3) {
            *out++ = byteOf(char32_t(lead & 0x0F) << 12 | char32_t(in[1] & 0x3F) << 6 | (in[2] & 0x3F));
            in += 3;
        } else if ((lead & 0xF8) == 0xF0 && left >= 4) {
            // Beyond the 16-bit range: two code units in a string, each written as "?".
            *out++ = '?';
            *out++ = '?';
            in += 4;
        } else {
            *out++ = '?';
            in += 1;
        }
    }
    ansi.resize(out - ansi.data());
}

} // namespace platform::text
