#include "platform/components/Guid.h"

#include <algorithm>

namespace platform::components {

namespace {

// Offsets of the 32 hex digits inside "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
constexpr int kLength = 38;
constexpr std::array<int, 4> kDashes{9, 14, 19, 24};

} // namespace

std::optional<Guid> Guid::Parse(QStringView text)
{
    if (text.size() != kLength || text.front() != u'{' || text.back() != u'}')
        return std::nullopt;
    Guid guid;
    int digits = 0;
    for (int i = 1; i < kLength - 1; ++i) {
        if (std::find(kDashes.begin(), kDashes.end(), i) != kDashes.end()) {
            if (text[i] != u'-')
                return std::nullopt;
            continue;
        }
        const int value = HexDigit(text[i].unicode());
        if (value < 0)
            return std::nullopt;
        guid.bytes_[digits / 2] = static_cast<std::uint8_t>(guid.bytes_[digits / 2] << 4 | value);
        ++digits;
    }
    return guid;
}

QString Guid::ToString() const
{
    static const char digits[] = "0123456789ABCDEF";
    QString text(QLatin1Char('{'));
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += QLatin1Char('-');
        text += QLatin1Char(digits[bytes_[i] >> 4]);
        text += QLatin1Char(digits[bytes_[i] & 15]);
    }
    return text + QLatin1Char('}');
}

std::size_t Guid::Hash() const
{
    // FNV-1a over the 16 bytes.
    std::size_t hash = 1469598103934665603ull;
    for (std::uint8_t byte : bytes_)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

} // namespace platform::components
