#include "app/core/mdlLibrary.h"

#include "platform/text/AnsiCodePage.h"

#include <array>
#include <utility>

namespace mdlLibrary {
namespace {

// One character for every 16-bit character: a conversion is then one lookup per character.
using CharMap = std::array<char16_t, 0x10000>;

struct CaseTable {
    CharMap upper{};
    CharMap lower{};
    CharMap inverted{};
    std::array<bool, 0x10000> letter{};

    CaseTable()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            const auto self = char16_t(c);
            // The code page's micro sign has a capital (the Greek Mu) that the page lacks; it keeps its case.
            const auto up = char16_t(QChar::toUpper(c));
            const auto down = char16_t(QChar::toLower(c));
            upper[c] = platform::text::IsAnsiChar(up) ? up : self;
            lower[c] = platform::text::IsAnsiChar(down) ? down : self;
            inverted[c] = self;
            letter[c] = QChar::isLetter(c);
        }
        // Inversion knows the letters of the two alphabets only: Ё, ё and the other Cyrillic letters of
        // the code page stay as they are.
        const auto invert = [this](char16_t firstCapital, char16_t lastCapital, char16_t firstSmall) {
            for (char16_t capital = firstCapital; capital <= lastCapital; ++capital) {
                const auto small = char16_t(firstSmall + (capital - firstCapital));
                inverted[capital] = small;
                inverted[small] = capital;
            }
        };
        invert(u'A', u'Z', u'a');
        invert(u'А', u'Я', u'а');
    }
};

const CaseTable &Cases()
{
    static const CaseTable table;
    return table;
}

// The keyboard-layout swap: the character at a place of the source row becomes the one at the same place
// of the target row. The first place of a character decides, so the punctuation that the Russian layout
// puts on other keys (";", ":", "?", ",", ".", the quotation mark) is read as the Latin key it is.
struct LayoutTable {
    CharMap map{};

    LayoutTable()
    {
        const QString keysUpper = QStringLiteral("@#$^&QWERTYUIOP{}ASDFGHJKL:");
        const QString keysLower = QStringLiteral("ZXCVBNM<>?qwertyuiop[]asdfghjkl;'zxcvbnm,./");
        const QString russian = QStringLiteral(
            "№;:?ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ,йцукенгшщзхъфывапролджэячсмитьбю.");
        const QString quote = QStringLiteral("\"");
        const QString source = keysUpper + quote + keysLower + quote + russian;
        const QString target = quote + russian + keysUpper + quote + keysLower;
        Q_ASSERT(source.size() == target.size());
        for (char32_t c = 0; c < 0x10000; ++c)
            map[c] = char16_t(c);
        for (qsizetype i = source.size() - 1; i >= 0; --i)
            map[source[i].unicode()] = target[i].unicode();
    }
};

// Transliteration letters. A Cyrillic small letter has an index: а to я 0 to 31, ё 32; its capital the same.
constexpr int NoLetter = -1;
constexpr int YoIndex = 32;

int SmallCyrillicIndex(char16_t c)
{
    return c >= u'а' && c <= u'я' ? c - u'а' : c == u'ё' ? YoIndex : NoLetter;
}

int CapitalCyrillicIndex(char16_t c)
{
    return c >= u'А' && c <= u'Я' ? c - u'А' : c == u'Ё' ? YoIndex : NoLetter;
}

struct TranslitTable {
    std::array<char16_t, 26> cyrillicOfLatin{}; // by small Latin letter; 0 where none ("w")
    std::array<QString, 33> smallSpelling;
    std::array<QString, 33> capitalSpelling;

    TranslitTable()
    {
        // One letter each way; where a letter stands twice the later pair wins ("х" is written "x", and
        // the apostrophe belongs to no Latin letter).
        struct Pair {
            char16_t cyrillic;
            char latin;
        };
        static constexpr Pair pairs[] = {
            {u'а', 'a'}, {u'б', 'b'}, {u'в', 'v'}, {u'г', 'g'}, {u'д', 'd'}, {u'е', 'e'}, {u'з', 'z'},
            {u'и', 'i'}, {u'й', 'j'}, {u'к', 'k'}, {u'л', 'l'}, {u'м', 'm'}, {u'н', 'n'}, {u'о', 'o'},
            {u'п', 'p'}, {u'р', 'r'}, {u'с', 's'}, {u'т', 't'}, {u'у', 'u'}, {u'ф', 'f'}, {u'х', 'h'},
            {u'х', 'x'}, {u'ц', 'c'}, {u'ъ', '\''}, {u'ы', 'y'}, {u'ь', '\''}, {u'э', 'q'}};
        for (const Pair &p : pairs) {
            if (p.latin >= 'a' && p.latin <= 'z')
                cyrillicOfLatin[p.latin - 'a'] = p.cyrillic;
            smallSpelling[SmallCyrillicIndex(p.cyrillic)] = QString(QLatin1Char(p.latin));
        }
        // Letters that Latin spells with several letters.
        struct Spelling {
            char16_t cyrillic;
            const char *latin;
        };
        static constexpr Spelling spellings[] = {{u'ё', "yo"}, {u'ж', "zh"}, {u'ч', "ch"}, {u'ш', "sh"},
                                                 {u'щ', "sch"}, {u'э', "e'"}, {u'ю', "yu"}, {u'я', "ya"}};
        for (const Spelling &s : spellings)
            smallSpelling[SmallCyrillicIndex(s.cyrillic)] = QLatin1String(s.latin);
        for (std::size_t i = 0; i < smallSpelling.size(); ++i)
            capitalSpelling[i] = smallSpelling[i].toUpper();
    }
};

char16_t AsciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// The small Cyrillic letter that a Latin pair stands for ("e'", "ch", "sh", "zh", "ya", "yo", "yu" and
// the same with "j"), given the pair in small letters; 0 for any other pair.
char16_t PairLetter(char16_t first, char16_t second)
{
    if (first == u'e' && second == u'\'')
        return u'э';
    if (second == u'h')
        return first == u'c' ? u'ч' : first == u's' ? u'ш' : first == u'z' ? u'ж' : 0;
    if (first == u'y' || first == u'j')
        return second == u'a' ? u'я' : second == u'o' ? u'ё' : second == u'u' ? u'ю' : 0;
    return 0;
}

// The transliteration walk, handing what it writes to `sink`: once to measure the result, once to write
// it into a buffer of that size.
template <typename Sink>
void TransliterationWalk(const QString &text, Sink &sink)
{
    static const TranslitTable table;
    const CharMap &upper = Cases().upper;
    const auto *chars = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    // Past the end stand spaces, so a pair or a triple never reads beyond the text.
    const auto at = [&](qsizetype i) { return i < n ? chars[i] : u' '; };
    for (qsizetype i = 0; i < n;) {
        const char16_t c = chars[i];
        const bool capital = c >= u'A' && c <= u'Z';
        const char16_t first = AsciiLower(c);
        const char16_t second = AsciiLower(at(i + 1));
        if (first == u's' && second == u'c' && AsciiLower(at(i + 2)) == u'h') {
            sink.put(capital ? u'Щ' : u'щ');
            i += 3;
            continue;
        }
        if (const char16_t letter = PairLetter(first, second); letter != 0) {
            sink.put(capital ? upper[letter] : letter);
            i += 2;
            continue;
        }
        ++i;
        if (first >= u'a' && first <= u'z') {
            const char16_t letter = table.cyrillicOfLatin[first - u'a'];
            sink.put(letter == 0 ? c : capital ? upper[letter] : letter);
        } else if (const int small = SmallCyrillicIndex(c); small != NoLetter) {
            sink.put(table.smallSpelling[small]);
        } else if (const int big = CapitalCyrillicIndex(c); big != NoLetter) {
            sink.put(table.capitalSpelling[big]);
        } else {
            sink.put(c);
        }
    }
}

QString Transliterate(const QString &text)
{
    struct Counter {
        qsizetype size = 0;
        void put(char16_t) { ++size; }
        void put(const QString &spelling) { size += spelling.size(); }
    } counter;
    TransliterationWalk(text, counter);

    QString out(counter.size, Qt::Uninitialized);
    struct Writer {
        char16_t *write;
        void put(char16_t c) { *write++ = c; }
        void put(const QString &spelling)
        {
            for (const QChar c : spelling)
                *write++ = c.unicode();
        }
    } writer{reinterpret_cast<char16_t *>(out.data())};
    TransliterationWalk(text, writer);
    return out;
}

// Every character through `map`, in the text's own buffer.
QString MapChars(QString text, const CharMap &map)
{
    auto *chars = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0, n = text.size(); i < n; ++i)
        chars[i] = map[chars[i]];
    return text;
}

// Lower case, then the character after every full stop raised, or the one after a single space that
// follows it; the start of the text is not raised, as no full stop stands before it.
QString SentenceCase(QString text)
{
    const CaseTable &cases = Cases();
    text = MapChars(std::move(text), cases.lower);
    auto *chars = reinterpret_cast<char16_t *>(text.data());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (chars[i] != u'.')
            continue;
        const qsizetype raised = chars[i + 1] == u' ' ? i + 2 : i + 1;
        if (raised < n)
            chars[raised] = cases.upper[chars[raised]];
    }
    return text;
}

// The first letter of every word raised, its other letters lowered. A word is a run of letters and
// digits ("2nd", "x2y"); an apostrophe after a letter ("don't", "rock’n’roll") and a hyphen after a digit
// ("2-й") stay inside it. Every other character ends it, a hyphen between letters too ("Ёлка-Палка").
QString TitleCase(QString text)
{
    const CaseTable &cases = Cases();
    auto *chars = reinterpret_cast<char16_t *>(text.data());
    enum class Kind { Other, Letter, Digit, Joiner } previous = Kind::Other;
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const char16_t c = chars[i];
        Kind kind = Kind::Other;
        if (cases.letter[c]) {
            chars[i] = previous == Kind::Other ? cases.upper[c] : cases.lower[c];
            kind = Kind::Letter;
        } else if (c >= u'0' && c <= u'9') {
            kind = Kind::Digit;
        } else if ((c == u'\'' || c == u'\u2019') && previous == Kind::Letter) {
            kind = Kind::Joiner;
        } else if (c == u'-' && previous == Kind::Digit) {
            kind = Kind::Joiner;
        }
        previous = kind;
    }
    return text;
}

} // namespace

QString RegistrConvert(QString text, int mode)
{
    switch (mode) {
    case 1: {
        static const LayoutTable layout;
        return MapChars(std::move(text), layout.map);
    }
    case 0:
    case 2:
        return SentenceCase(std::move(text));
    case 3:
        return MapChars(std::move(text), Cases().upper);
    case 4:
        return MapChars(std::move(text), Cases().lower);
    case 5:
        return TitleCase(std::move(text));
    case 6:
        return MapChars(std::move(text), Cases().inverted);
    case 7:
        return Transliterate(text);
    default:
        // Returning nothing would delete the user's selection.
        return text;
    }
}

} // namespace mdlLibrary
