#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

// Names and prints of the cases of parameterised tests that stay the same from build to build, so that a
// test run, `ctest -R`, `--rerun-failed` and a CI history can follow them (ctest knows a test by the name
// given here, never by its print):
//
//   INSTANTIATE_TEST_SUITE_P(Keys, KeyCodes, testing::ValuesIn(keyCases), casenames::Named(&KeyCase::name));
//   void PrintTo(const KeyCase &c, std::ostream *out) { casenames::Print(out, c.name, c.code); }
//
// A name joins with "_" the pieces its namers give: fields of the case, or functions of it that return a
// text, a number or a casenames::Spelling. A piece of prose keeps its letters and digits (Cyrillic ones in
// Latin letters) and every run of anything else becomes one "_"; casenames::Spell(namer) spells out the
// punctuation and white space of a piece that is data rather than prose, so that "-2.5" and "2.5" stay
// apart. Two cases of one suite that come to the same name stop the runner at its start, naming the file
// and line of the suite.
namespace casenames {
namespace detail {

// A Cyrillic letter in Latin letters, in the letter's case; nothing for any other character.
inline std::optional<std::string> Latin(char32_t letter)
{
    static constexpr const char *Alphabet[] = {"a",  "b",  "v",  "g",    "d", "e", "zh", "z", "i",  "y", "k",
                                               "l",  "m",  "n",  "o",    "p", "r", "s",  "t", "u",  "f", "kh",
                                               "ts", "ch", "sh", "shch", "",  "y", "",   "e", "yu", "ya"};
    static constexpr std::pair<char32_t, const char *> Others[] = {
        {U'ё', "yo"}, {U'і', "i"}, {U'ї', "yi"}, {U'є', "ye"}, {U'ґ', "g"}, {U'ў', "w"}};
    const char32_t lower = QChar::toLower(letter);
    std::string latin;
    if (lower >= U'а' && lower <= U'я')
        latin = Alphabet[lower - U'а'];
    else if (const auto other = std::ranges::find(Others, lower, &std::pair<char32_t, const char *>::first);
             other != std::end(Others))
        latin = other->second;
    else
        return std::nullopt;
    if (lower != letter && !latin.empty())
        latin[0] = static_cast<char>(latin[0] - 'a' + 'A');
    return latin;
}

inline bool IsNameCharacter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'_';
}

// The word that spells an ASCII character outside names; nothing for any other character.
inline const char *WordFor(char32_t c)
{
    static constexpr std::pair<char32_t, const char *> Words[] = {
        {U' ', "_"},          {U'\t', "Tab"},       {U'\r', "Cr"},        {U'\n', "Lf"},         {U'!', "Excl"},
        {U'"', "Quote"},      {U'#', "Hash"},       {U'$', "Dollar"},     {U'%', "Percent"},     {U'&', "Amp"},
        {U'\'', "Apostrophe"}, {U'(', "LParen"},     {U')', "RParen"},     {U'*', "Star"},        {U'+', "Plus"},
        {U',', "Comma"},      {U'-', "Minus"},      {U'.', "Dot"},        {U'/', "Slash"},       {U':', "Colon"},
        {U';', "Semicolon"},  {U'<', "Lt"},         {U'=', "Equals"},     {U'>', "Gt"},          {U'?', "Question"},
        {U'@', "At"},         {U'[', "LBracket"},   {U'\\', "Backslash"}, {U']', "RBracket"},    {U'^', "Caret"},
        {U'`', "Backquote"},  {U'{', "LBrace"},     {U'|', "Bar"},        {U'}', "RBrace"},      {U'~', "Tilde"}};
    const auto word = std::ranges::find(Words, c, &std::pair<char32_t, const char *>::first);
    return word == std::end(Words) ? nullptr : word->second;
}

inline QList<uint> CodePoints(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4();
}

inline void Quoted(std::ostream *out, std::string_view text, char quote)
{
    *out << quote;
    for (const char c : text) {
        if (c == '\\' || c == quote)
            *out << '\\' << c;
        else if (c == '\r')
            *out << "\\r";
        else if (c == '\n')
            *out << "\\n";
        else if (c == '\t')
            *out << "\\t";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            *out << hex;
        } else
            *out << c;
    }
    *out << quote;
}

template <typename T>
struct IsTuple : std::false_type {};
template <typename... T>
struct IsTuple<std::tuple<T...>> : std::true_type {};

template <typename T>
void PrintOne(std::ostream *out, const T &value);

template <typename Tuple, std::size_t... I>
void PrintElements(std::ostream *out, const Tuple &values, std::index_sequence<I...>)
{
    ((*out << (I == 0 ? "" : ", "), PrintOne(out, std::get<I>(values))), ...);
}

template <typename T>
void PrintOne(std::ostream *out, const T &value)
{
    if constexpr (std::is_same_v<T, char>)
        Quoted(out, std::string_view(&value, 1), '\'');
    else if constexpr (std::is_same_v<T, bool>)
        *out << (value ? "true" : "false");
    else if constexpr (std::is_arithmetic_v<T>)
        *out << +value;
    else if constexpr (std::is_enum_v<T>)
        *out << static_cast<long long>(value);
    else if constexpr (std::is_pointer_v<T> && std::is_convertible_v<T, std::string_view>) {
        if (value)
            Quoted(out, value, '"');
        else
            *out << "nullptr";
    } else if constexpr (std::is_convertible_v<const T &, std::string_view>)
        Quoted(out, std::string_view(value), '"');
    else if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, QByteArray>)
        Quoted(out, value.toStdString(), '"');
    else if constexpr (IsTuple<T>::value) {
        *out << '(';
        PrintElements(out, value, std::make_index_sequence<std::tuple_size_v<T>>());
        *out << ')';
    } else
        *out << testing::PrintToString(value);
}

} // namespace detail

// A field's text as UTF-8.
inline std::string TextOf(const char *text)
{
    return text ? text : "";
}
inline std::string TextOf(const std::string &text)
{
    return text;
}
inline std::string TextOf(const QString &text)
{
    return text.toStdString();
}
template <typename T>
    requires(std::is_integral_v<T> || std::is_enum_v<T>)
std::string TextOf(T value)
{
    return std::to_string(static_cast<long long>(value));
}

// Prose as a name: letters and digits stay, Cyrillic letters in Latin ones, the sign of a negative number
// is "Minus", and every run of anything else is one "_".
inline std::string Words(std::string_view utf8)
{
    std::string name;
    bool apart = false;
    const QList<uint> text = detail::CodePoints(utf8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uint c = text[i];
        std::optional<std::string> letters;
        if (detail::IsNameCharacter(c) && c != U'_')
            letters = std::string(1, static_cast<char>(c));
        else if (c == U'-' && (i == 0 || apart) && i + 1 < text.size() && text[i + 1] >= U'0' && text[i + 1] <= U'9')
            letters = "Minus";
        else
            letters = detail::Latin(c);
        if (!letters) {
            apart = true;
            continue;
        }
        if (apart)
            name += '_';
        apart = false;
        name += *letters;
    }
    if (apart)
        name += '_';
    return name.empty() ? "Empty" : name;
}

// Data as a name: letters and digits stay, Cyrillic letters in Latin ones, a space is "_" and a run of
// spaces is counted ("Spaces3"), and every other character is spelled ("Minus", "Tab", "CrLf", "U00B5").
inline std::string Spelled(std::string_view utf8)
{
    std::string name;
    const QList<uint> text = detail::CodePoints(utf8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uint c = text[i];
        qsizetype spaces = 0;
        while (i + spaces < text.size() && text[i + spaces] == U' ')
            ++spaces;
        if (spaces > 1) {
            name += "Spaces" + std::to_string(spaces);
            i += spaces - 1;
        } else if (detail::IsNameCharacter(c))
            name += static_cast<char>(c);
        else if (const char *word = detail::WordFor(c))
            name += word;
        else if (const std::optional<std::string> latin = detail::Latin(c))
            name += *latin;
        else {
            char code[16];
            std::snprintf(code, sizeof code, "U%04X", c);
            name += code;
        }
    }
    return name.empty() ? "Empty" : name;
}

// A piece of a name that is spelled rather than read as words.
struct Spelling {
    std::string name;
};

// Spells what a namer gives; without one, the case itself (a text or a number).
template <typename Namer = std::identity>
auto Spell(Namer namer = {})
{
    return [namer](const auto &c) { return Spelling{Spelled(TextOf(std::invoke(namer, c)))}; };
}

namespace detail {

inline std::string Piece(const Spelling &spelling)
{
    return spelling.name;
}

template <typename T>
std::string Piece(const T &value)
{
    return Words(TextOf(value));
}

} // namespace detail

// The name generator for INSTANTIATE_TEST_SUITE_P: each namer is a field of the case (a pointer to its
// member) or a function of it.
template <typename... Namers>
auto Named(Namers... namers)
{
    static_assert(sizeof...(Namers) > 0, "a case is named by its fields");
    return [namers...](const auto &info) {
        std::string name;
        ((name += (name.empty() ? "" : "_") + detail::Piece(std::invoke(namers, info.param))), ...);
        return name;
    };
}

// Prints values for a case's PrintTo: texts quoted, with line ends and other control characters escaped
// so that a print is one line, numbers and enums as numbers, tuples element by element, anything else as
// GoogleTest prints it; never a pointer or the bytes of an object.
template <typename... Values>
void Print(std::ostream *out, const Values &...values)
{
    const char *between = "";
    ((*out << between, detail::PrintOne(out, values), between = ", "), ...);
}

} // namespace casenames
