#pragma once
// Writes byte strings in tests as hexadecimal, e.g. hexBytes("B0 D7 0D 0A"),
// so malformed double-byte text reads as plainly as it is meant.

#include <cctype>
#include <stdexcept>
#include <string>
#include <string_view>

namespace guwen::testing {

inline std::string hexBytes(std::string_view hex) {
    std::string out;
    int high = -1;
    for (const char ch : hex) {
        if (ch == ' ') continue;
        const int digit = std::isdigit(static_cast<unsigned char>(ch)) != 0
                              ? ch - '0'
                              : std::toupper(static_cast<unsigned char>(ch)) - 'A' + 10;
        if (digit < 0 || digit > 15) throw std::invalid_argument("not a hex digit");
        if (high < 0) {
            high = digit;
        } else {
            out.push_back(static_cast<char>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) throw std::invalid_argument("odd number of hex digits");
    return out;
}

inline std::string toHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (!out.empty()) out.push_back(' ');
        out.push_back(kDigits[b >> 4U]);
        out.push_back(kDigits[b & 0xFU]);
    }
    return out;
}

}  // namespace guwen::testing
