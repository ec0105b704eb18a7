#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

// The system's single-byte code page, Windows-1251. Every byte maps to one character and back, so a file
// read and written without recoding keeps every byte: the bytes that Windows-1251 leaves undefined map to
// the control character of the same value. Every function may run on any thread, the open's reader
// thread among them: the tables behind them are built once, on first use, and never change.
namespace platform::text {

// The character that byte `b` stands for.
char16_t AnsiToChar(unsigned char b);

// The byte of `c`, or '?' when the code page has no byte for it.
unsigned char CharToAnsi(char16_t c);

// Whether the code page has a byte for `c`.
bool IsAnsiChar(char16_t c);

QString AnsiToString(QByteArrayView bytes);
// The text as the code page holds it: each character without a byte becomes "?", as StringToAnsi writes it
// (a character beyond the 16-bit range, two code units, becomes "??").
QString AnsiOnly(QStringView text);
// Number of UTF-8 bytes of the characters that `bytes` stand for.
qsizetype AnsiUtf8Length(QByteArrayView bytes);
// How often each byte value occurs in `bytes`, added to `counts`.
using ByteCounts = std::array<qsizetype, 256>;
void CountBytes(QByteArrayView bytes, ByteCounts &counts);
// The characters that `bytes` stand for, as UTF-8 into `utf8` (replacing what it held), with no text
// in between.
void AnsiToUtf8(QByteArrayView bytes, QByteArray &utf8);
// The same, added after what `utf8` holds.
void AppendAnsiUtf8(QByteArrayView bytes, QByteArray &utf8);
QByteArray StringToAnsi(const QString &text);
// The bytes of the characters that `utf8` holds, into `ansi` (replacing what it held), as StringToAnsi
// gives them for the same text: "?" for a character without a byte.
void Utf8ToAnsi(QByteArrayView utf8, QByteArray &ansi);

// Number of UTF-8 bytes of a text; a surrogate pair makes four.
inline qsizetype Utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        bytes += unit < 0x80 ? 1 : unit < 0x800 || c.isSurrogate() ? 2 : 3;
    }
    return bytes;
}

} // namespace platform::text
