#include "app/documents/mdlFileRecode.h"

#include "app/core/mdlLoadCodes.h"
#include "platform/text/AnsiCodePage.h"

#include <QHash>

#include <array>
#include <memory>

namespace mdlFile {

namespace {

using mdlLoad::Codes;
using platform::text::AnsiToChar;

// Marks a character that the target page lacks; no mapped character is U+0000, since byte 0 is "none".
constexpr char16_t Missing = 0;

using CharMap = std::array<char16_t, 65536>;

// What every character of the system code page becomes when recoded from `fromCode` to `toCode`. Rows
// are compared by value, 0 included: byte 0 takes the target of the last row whose source column holds 0
// (a character that page lacks), and stays "none" when there is no such row.
std::unique_ptr<CharMap> BuildCharMap(int fromCode, int toCode)
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
    const auto mapped = [&bytes](int a) {
        return bytes[a] >= 1 && bytes[a] <= 255 ? AnsiToChar(bytes[a]) : Missing;
    };
    auto map = std::make_unique<CharMap>();
    // A character outside the system code page is written as the byte "?", so it recodes as "?" does.
    map->fill(mapped('?'));
    for (int a = 0; a < 256; ++a)
        (*map)[AnsiToChar(a)] = mapped(a);
    return map;
}

// Maps built for code-page pairs since the code table was last loaded.
const CharMap &CharMapFor(int fromCode, int toCode)
{
    static QHash<quint64, std::shared_ptr<CharMap>> maps;
    static int revision = -1;
    if (revision != mdlLoad::CodesRevision()) {
        maps.clear();
        revision = mdlLoad::CodesRevision();
    }
    const quint64 key = (quint64(quint32(fromCode)) << 32) | quint32(toCode);
    std::shared_ptr<CharMap> &map = maps[key];
    if (!map)
        map = BuildCharMap(fromCode, toCode);
    return *map;
}

} // namespace

QString RecodeText(const QString &text, int fromCode, int toCode, const QString &missing)
{
    if (fromCode == toCode || !Codes.contains(fromCode) || !Codes.contains(toCode))
        return text;
    const CharMap &map = CharMapFor(fromCode, toCode);
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

} // namespace mdlFile
