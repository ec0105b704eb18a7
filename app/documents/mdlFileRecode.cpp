#include "app/documents/mdlFileRecode.h"

#include "app/core/mdlLoadCodes.h"
#include "platform/text/AnsiCodePage.h"

#include <QHash>

#include <array>
#include <memory>
#include <mutex>

namespace mdlFile {

namespace {

using mdlLoad::Codes;
using platform::text::AnsiToChar;

// Marks a character that the target page lacks; no mapped character is U+0000, since byte 0 is "none".
constexpr char16_t Missing = 0;

using CharMap = std::array<char16_t, 65536>;

// What every byte of code page `fromCode` becomes in `toCode`: 1 to 255 a byte, anything else none. Rows
// are compared by value, 0 included: byte 0 takes the target of the last row whose source column holds 0
// (a character that page lacks), and stays "none" when there is no such row.
std::array<int, 256> ByteTargets(int fromCode, int toCode)
{
    const Table<qint32> &source = Codes[fromCode].Items;
    const Table<qint32> &target = Codes[toCode].Items;
    std::array<int, 256> bytes;
    for (int a = 0; a < 256; ++a)
        bytes[a] = a;
    for (int row = 1; row <= source.count(); ++row) {
        const int a = source[row];
        if (a < 0 || a > 255)
            continue;
        // A target column shorter than the source's lacks the characters of the rows it does not reach.
        bytes[a] = target.contains(row) ? target[row] : 0;
    }
    return bytes;
}

bool HasByte(int target)
{
    return target >= 1 && target <= 255;
}

// What every character of the system code page becomes when recoded from `fromCode` to `toCode`.
std::unique_ptr<CharMap> BuildCharMap(int fromCode, int toCode)
{
    const std::array<int, 256> bytes = ByteTargets(fromCode, toCode);
    const auto mapped = [&bytes](int a) { return HasByte(bytes[a]) ? AnsiToChar(bytes[a]) : Missing; };
    auto map = std::make_unique<CharMap>();
    // A character outside the system code page is written as the byte "?", so it recodes as "?" does.
    map->fill(mapped('?'));
    for (int a = 0; a < 256; ++a)
        (*map)[AnsiToChar(a)] = mapped(a);
    return map;
}

bool Recodes(int fromCode, int toCode)
{
    return fromCode != toCode && Codes.contains(fromCode) && Codes.contains(toCode);
}

// Maps built for code-page pairs since the code table was last loaded. The open's reader thread recodes
// too, so the maps are shared under a lock, and each caller holds its own on the map it uses: a newer code
// table empties the list without taking a map from under another thread.
std::shared_ptr<const CharMap> CharMapFor(int fromCode, int toCode)
{
    static std::mutex mutex;
    static QHash<quint64, std::shared_ptr<const CharMap>> maps;
    static int revision = -1;
    const std::lock_guard lock(mutex);
    if (revision != mdlLoad::CodesRevision()) {
        maps.clear();
        revision = mdlLoad::CodesRevision();
    }
    const quint64 key = (quint64(quint32(fromCode)) << 32) | quint32(toCode);
    std::shared_ptr<const CharMap> &map = maps[key];
    if (!map)
        map = BuildCharMap(fromCode, toCode);
    return map;
}

} // namespace

QString RecodeText(const QString &text, int fromCode, int toCode, const QString &missing)
{
    if (!Recodes(fromCode, toCode))
        return text;
    const std::shared_ptr<const CharMap> held = CharMapFor(fromCode, toCode);
    const CharMap &map = *held;
    const bool dropMissing = missing.isEmpty();
    const char16_t missingChar = dropMissing ? Missing : missing[0].unicode();
    QString result(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    if (!dropMissing) {
        // One character out for each in, chosen without a branch: the common case runs at memory speed.
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t mapped = map[in[i]];
            out[i] = mapped == Missing ? missingChar : mapped;
        }
        return result;
    }
    qsizetype length = 0;
    for (qsizetype i = 0; i < size; ++i)
        if (const char16_t mapped = map[in[i]]; mapped != Missing)
            out[length++] = mapped;
    result.truncate(length);
    return result;
}

ByteRecoder::ByteRecoder(int fromCode, int toCode) : unchanged_(!Recodes(fromCode, toCode))
{
    const std::array<int, 256> bytes = unchanged_ ? std::array<int, 256>{} : ByteTargets(fromCode, toCode);
    for (int a = 0; a < 256; ++a) {
        target_[a] = short(unchanged_ ? a : HasByte(bytes[a]) ? bytes[a] : -1);
        canLose_ = canLose_ || target_[a] < 0;
    }
}

void ByteRecoder::NoteLost(unsigned char byte)
{
    ++lost_.count;
    if (seen_[byte])
        return;
    seen_[byte] = true;
    if (lost_.first.size() < LostCharacters::ShownCount)
        lost_.first += QChar(AnsiToChar(byte));
    else
        lost_.more = true;
}

QByteArrayView ByteRecoder::Recode(QByteArrayView bytes)
{
    if (unchanged_)
        return bytes;
    recoded_.resize(bytes.size());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    char *out = recoded_.data();
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i) {
        const short target = target_[in[i]];
        if (target < 0) {
            NoteLost(in[i]);
            out[i] = '?';
        } else {
            out[i] = char(target);
        }
    }
    return recoded_;
}

void ByteRecoder::Count(QByteArrayView bytes)
{
    if (!canLose_)
        return;
    for (const char b : bytes)
        if (target_[static_cast<unsigned char>(b)] < 0)
            NoteLost(static_cast<unsigned char>(b));
}

LostCharacters FindLostCharacters(QStringView text, int fromCode, int toCode)
{
    ByteRecoder recoder(fromCode, toCode);
    if (!recoder.CanLose())
        return {};
    // The text goes through as the bytes that it stands for, a slice at a time.
    constexpr qsizetype slice = 1 << 16;
    for (qsizetype at = 0; at < text.size(); at += slice)
        recoder.Count(platform::text::StringToAnsi(text.mid(at, slice).toString()));
    return recoder.Lost();
}

} // namespace mdlFile
