#pragma once
// Plain versions of the scanning primitives for the fuzz targets to compare
// against: one unit per step, one branch per row of the byte rules, no block
// skipping and no shared helpers with the engine, so a slip in the engine's
// fast paths cannot hide behind the same slip here.
//
// They read and write through raw pointers: the fuzz targets run them over
// texts of up to a few hundred KiB on every run, and the standard library's
// inline functions may come from a translation unit built with coverage
// tracing, which costs more than the work itself.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/traditional.h"

namespace guwen::plain {

// Bytes written one after another into room reserved up front.
class Output {
  public:
    explicit Output(std::size_t capacity) : bytes_(capacity, '\0'), end_(bytes_.data()) {}

    void put(unsigned byte) { *end_++ = static_cast<char>(byte); }
    void put(unsigned lead, unsigned trail) {
        put(lead);
        put(trail);
    }
    void put(std::string_view bytes) {
        if (bytes.empty()) return;
        std::memcpy(end_, bytes.data(), bytes.size());
        end_ += bytes.size();
    }
    std::string take() {
        bytes_.resize(static_cast<std::size_t>(end_ - bytes_.data()));
        return std::move(bytes_);
    }

  private:
    std::string bytes_;
    char* end_;
};

inline const unsigned char* bytesOf(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

inline std::string fullWidth(std::string_view text) {
    const unsigned char* p = bytesOf(text);
    const std::size_t n = text.size();
    Output out(2 * n);
    std::size_t i = 0;
    while (i < n) {
        const unsigned b = p[i];
        if (b >= 0x80) {
            if (i + 1 == n) break;
            out.put(b, p[i + 1]);
            i += 2;
            continue;
        }
        if (b == 0x20) {
            out.put(0xA1, 0xA1);
        } else if (b == 0x7E) {
            out.put(0xA1, 0xAB);
        } else if (b >= 0x21 && b <= 0x7D) {
            out.put(0xA3, b + 0x80);
        } else {
            out.put(b);
        }
        ++i;
    }
    return out.take();
}

inline std::string halfWidth(std::string_view text) {
    const unsigned char* p = bytesOf(text);
    const std::size_t n = text.size();
    Output out(n);
    std::size_t i = 0;
    while (i < n) {
        const unsigned b = p[i];
        if (b < 0x80) {
            out.put(b);
            ++i;
            continue;
        }
        if (i + 1 == n) break;
        const unsigned t = p[i + 1];
        if (b == 0xA1 && t == 0xA1) {
            out.put(' ');
        } else if (b == 0xA1 && t == 0xAB) {
            out.put('~');
        } else if (b == 0xA1 && (t == 0xEE || t == 0xEF)) {
            out.put('*');
        } else if (b == 0xA3 && t >= 0xA1 && t <= 0xFE) {
            out.put(t - 0x80);
        } else {
            out.put(b, t);
        }
        i += 2;
    }
    return out.take();
}

inline std::string removeSpaces(std::string_view text) {
    const unsigned char* p = bytesOf(text);
    const std::size_t n = text.size();
    Output out(n);
    std::size_t i = 0;
    while (i < n) {
        const unsigned b = p[i];
        if (b < 0x80) {
            if (b != 0x20) out.put(b);
            ++i;
            continue;
        }
        if (i + 1 == n) break;
        const unsigned t = p[i + 1];
        if (b != 0xA1 || t != 0xA1) out.put(b, t);
        i += 2;
    }
    return out.take();
}

inline std::string removeLineBreaks(std::string_view text) {
    const unsigned char* p = bytesOf(text);
    const std::size_t n = text.size();
    Output out(n);
    std::size_t i = 0;
    while (i + 2 <= n) {
        if (p[i] == '\r' && p[i + 1] == '\n') {
            i += 2;
        } else if (p[i] >= 0x80) {
            out.put(p[i], p[i + 1]);
            i += 2;
        } else {
            out.put(p[i]);
            i += 1;
        }
    }
    if (i < n) out.put(p[i]);
    return out.take();
}

// The delimiter at position i, compared byte by byte rather than through
// memcmp, which libFuzzer watches and which this is called too often for.
inline bool delimiterAt(std::string_view text, std::size_t i, std::string_view delimiter) {
    if (text.size() - i < delimiter.size()) return false;
    const unsigned char* p = bytesOf(text);
    const unsigned char* d = bytesOf(delimiter);
    for (std::size_t k = 0; k < delimiter.size(); ++k) {
        if (p[i + k] != d[k]) return false;
    }
    return true;
}

// Calls piece(view) for each piece between delimiters matched at unit
// boundaries; a delimiter at the very end adds no empty last piece.
template <typename Piece>
void forEachPiece(std::string_view text, std::string_view delimiter, Piece piece) {
    if (text.empty()) return;
    if (delimiter.empty()) {
        piece(text);
        return;
    }
    const unsigned char* p = bytesOf(text);
    std::size_t start = 0;
    std::size_t i = 0;
    while (i + delimiter.size() <= text.size()) {
        if (delimiterAt(text, i, delimiter)) {
            piece(std::string_view(text.data() + start, i - start));
            i += delimiter.size();
            start = i;
        } else if (p[i] >= 0x80) {
            if (i + 1 == text.size()) break;
            i += 2;
        } else {
            i += 1;
        }
    }
    if (start < text.size()) piece(std::string_view(text.data() + start, text.size() - start));
}

inline std::vector<std::string> split(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    forEachPiece(text, delimiter, [&](std::string_view p) { pieces.emplace_back(p); });
    return pieces;
}

// Decimal digits after white space and one sign, kept modulo 2^32 in a wide
// integer and brought into the signed range by subtraction, never by a cast
// that could overflow.
inline std::int32_t parseInteger(std::string_view text) {
    const std::string s = halfWidth(text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    constexpr std::int64_t kModulus = std::int64_t{1} << 32;
    std::int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = (value * 10 + (s[i] - '0')) % kModulus;
    }
    if (negative) value = (kModulus - value) % kModulus;
    if (value >= kModulus / 2) value -= kModulus;
    return static_cast<std::int32_t>(value);
}

inline std::string traditional(std::string_view text) {
    const unsigned char* p = bytesOf(text);
    const std::size_t n = text.size();
    Output out(n);
    std::size_t i = 0;
    while (i < n) {
        const unsigned b = p[i];
        if (b < 0x80) {
            out.put(b);
            ++i;
            continue;
        }
        if (i + 1 == n) {
            out.put(b);
            break;
        }
        const unsigned t = p[i + 1];
        if (hasTableCell(b, t)) {
            const TableCell& cell =
                traditionalTable[b - kTableLeadFirst][static_cast<std::size_t>(tableCellIndex(t))];
            out.put(cell[0], cell[1]);
        } else {
            out.put(b, t);
        }
        i += 2;
    }
    return out.take();
}

}  // namespace guwen::plain
