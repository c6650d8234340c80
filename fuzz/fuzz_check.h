#pragma once
// What a fuzz target does when a property fails: it prints what was expected,
// what came out and the input, in hexadecimal, and aborts, so libFuzzer keeps
// the input as a crash file that reproduces it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace guwen::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Long texts are shown by their start and length; the input file holds the rest.
inline std::string hex(std::string_view bytes) {
    constexpr std::size_t kShown = 256;
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (i > 0) out += ' ';
        out += kDigits[b >> 4U];
        out += kDigits[b & 0xFU];
    }
    if (bytes.size() > kShown) out += " ... (" + std::to_string(bytes.size()) + " bytes)";
    return out;
}

inline std::string show(const std::optional<std::string>& text) {
    return text ? hex(*text) : std::string("<no result>");
}

[[noreturn]] inline void fail(std::string_view what, std::string_view expected,
                              std::string_view actual) {
    std::fprintf(stderr, "\n%.*s\n  expected: %.*s\n  actual:   %.*s\n",
                 static_cast<int>(what.size()), what.data(), static_cast<int>(expected.size()),
                 expected.data(), static_cast<int>(actual.size()), actual.data());
    std::abort();
}

inline void expectSame(std::string_view what, std::string_view expected, std::string_view actual) {
    if (expected != actual) fail(what, hex(expected), hex(actual));
}

inline void expectSameResult(std::string_view what, const std::optional<std::string>& expected,
                             const std::optional<std::string>& actual) {
    if (expected != actual) fail(what, show(expected), show(actual));
}

inline void expectTrue(std::string_view what, bool holds) {
    if (!holds) fail(what, "true", "false");
}

}  // namespace guwen::fuzz
