#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform::components {

// A 128-bit class, interface or library identifier, written "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
class Guid {
public:
    Guid() = default;
    // For identifiers written in the code, read at compile time; a malformed literal gives the null
    // identifier.
    constexpr explicit Guid(const char *literal)
    {
        std::array<std::uint8_t, 16> bytes{};
        int digits = 0;
        int i = 0;
        if (literal[i++] != '{')
            return;
        for (; literal[i] != '\0' && literal[i] != '}'; ++i) {
            const int value = HexDigit(literal[i]);
            if (literal[i] == '-' && (i == 9 || i == 14 || i == 19 || i == 24))
                continue;
            if (value < 0 || digits == 32)
                return;
            bytes[digits / 2] = static_cast<std::uint8_t>(bytes[digits / 2] << 4 | value);
            ++digits;
        }
        if (digits == 32 && i == 37 && literal[i] == '}' && literal[i + 1] == '\0')
            bytes_ = bytes;
    }

    // Accepts the braced form in either letter case; nothing else.
    static std::optional<Guid> Parse(QStringView text);

    // The braced form with upper-case digits.
    QString ToString() const;
    constexpr bool IsNull() const { return bytes_ == std::array<std::uint8_t, 16>{}; }
    std::size_t Hash() const;

    friend bool operator==(const Guid &, const Guid &) = default;
    friend auto operator<=>(const Guid &, const Guid &) = default;

private:
    static constexpr int HexDigit(char16_t c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    std::array<std::uint8_t, 16> bytes_{};
};

} // namespace platform::components

template <>
struct std::hash<platform::components::Guid> {
    std::size_t operator()(const platform::components::Guid &guid) const noexcept { return guid.Hash(); }
};
