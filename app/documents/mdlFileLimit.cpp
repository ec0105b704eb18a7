#include "app/documents/mdlFileLimit.h"

#include "platform/files/FileError.h"

namespace mdlFile {
namespace {

// The digits of `n` in groups of three, as Russian writes large numbers, with spaces that do not break.
QString GroupedDigits(qint64 n)
{
    QString digits = QString::number(n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

// "байт" after the number, or "байта" after one that ends in 2, 3 or 4 (but not 12, 13 or 14).
QString BytesWord(qint64 n)
{
    const qint64 last = n % 10;
    const qint64 lastTwo = n % 100;
    return last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? QStringLiteral("байта")
                                                                     : QStringLiteral("байт");
}

// The size in the largest unit it reaches, to a tenth unless it is whole, then the exact count of bytes:
// "2 ГБ (2 147 483 648 байт)", "512,0 МБ (536 870 913 байт)".
QString SizeText(qint64 bytes)
{
    const QString exact = GroupedDigits(bytes) + QChar(0x00A0) + BytesWord(bytes);
    struct Unit {
        qint64 bytes;
        const char16_t *name;
    };
    static constexpr Unit units[] = {{qint64(1) << 30, u"ГБ"}, {qint64(1) << 20, u"МБ"}, {qint64(1) << 10, u"КБ"}};
    for (const Unit &unit : units) {
        if (bytes < unit.bytes)
            continue;
        // Cut, never rounded up, so that a size never looks larger than it is.
        const qint64 rest = bytes % unit.bytes;
        QString shown = QString::number(bytes / unit.bytes);
        if (rest != 0)
            shown += u',' + QString::number(rest * 10 / unit.bytes);
        return shown + QChar(0x00A0) + QString::fromUtf16(unit.name) + QStringLiteral(" (") + exact + u')';
    }
    return exact;
}

} // namespace

std::optional<qint64> OversizeOf(const QString &path)
{
    const qint64 size = platform::files::StampOf(path).size;
    return size > MaxOpenFileSize ? std::optional(size) : std::nullopt;
}

QString TooLargeMessage(const QString &path, qint64 size)
{
    return QStringLiteral("Не удается открыть файл:\r\n") + path + QStringLiteral("\r\nЕго размер — ") +
           SizeText(size) + QStringLiteral(",\r\nа открыть можно файл не больше ") + SizeText(MaxOpenFileSize) +
           u'.';
}

} // namespace mdlFile
