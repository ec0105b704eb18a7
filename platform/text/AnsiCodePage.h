#pragma once

#include <QByteArray>
#include <QString>

// The system's single-byte code page, Windows-1251. Every byte maps to one character and back, so a file
// read and written without recoding keeps every byte: the bytes that Windows-1251 leaves undefined map to
// the control character of the same value.
namespace platform::text {

// The character that byte `b` stands for.
char16_t AnsiToChar(unsigned char b);

// The byte of `c`, or '?' when the code page has no byte for it.
unsigned char CharToAnsi(char16_t c);

// Whether the code page has a byte for `c`.
bool IsAnsiChar(char16_t c);

QString AnsiToString(const QByteArray &bytes);
QByteArray StringToAnsi(const QString &text);

} // namespace platform::text
