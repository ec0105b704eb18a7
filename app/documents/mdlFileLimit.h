#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The largest file that opens as a document, and the refusal of a larger one before any of it is read.
namespace mdlFile {

// The editor control addresses its UTF-8 text with 32-bit positions, and one byte of a single-byte code
// page takes up to three bytes there (€, №): three times this stays under 2 GiB. An open costs about
// 2.1 MiB of memory for each MiB of that text: a Cyrillic page of this size takes about 1.7 GB, a file
// whose every byte takes three bytes about 3.1 GB.
inline constexpr qint64 MaxOpenFileSize = qint64(512) * 1024 * 1024;
static_assert(3 * MaxOpenFileSize < (qint64(1) << 31));

// The size of the regular file at `path` when it is larger than MaxOpenFileSize; nothing when it is not,
// or when no regular file is there (the readability check tells about that).
std::optional<qint64> OversizeOf(const QString &path);

// The message that refuses to open the file at `path`, of `size` bytes.
QString TooLargeMessage(const QString &path, qint64 size);

} // namespace mdlFile
