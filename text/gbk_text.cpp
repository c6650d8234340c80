#include "text/gbk_text.h"

#include "text/byte_blocks.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace guwen {
namespace {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kFullLead = 0xA3;    // row of full-width forms A3 A1..A3 FE
constexpr unsigned char kSymbolLead = 0xA1;  // row of A1 A1 (ideographic space) etc.

unsigned char byteAt(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]);
}

void appendPair(GbkText& out, unsigned char lead, unsigned char trail) {
    out.push_back(static_cast<char>(lead));
    out.push_back(static_cast<char>(trail));
}

std::size_t clampCount(std::int32_t count, std::size_t length) {
    if (count <= 0) return 0;
    return std::min(static_cast<std::size_t>(count), length);
}

}  // namespace

std::int32_t textLength(std::string_view text) {
    // A text cannot be longer than an int32 can count; anything larger is
    // capped rather than wrapped to a negative length.
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(text.size(), kMax));
}

GbkText leftBytes(std::string_view text, std::int32_t count) {
    return GbkText(text.substr(0, clampCount(count, text.size())));
}

GbkText rightBytes(std::string_view text, std::int32_t count) {
    const std::size_t n = clampCount(count, text.size());
    return GbkText(text.substr(text.size() - n));
}

GbkText blankText(std::int32_t count) {
    if (count <= 0) return {};
    // Not a braced return: {count, ' '} would be a two-character list.
    GbkText blanks(static_cast<std::size_t>(count), ' ');
    return blanks;
}

GbkText concatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (const std::string_view part : parts) total += part.size();
    GbkText out;
    out.reserve(total);
    for (const std::string_view part : parts) out.append(part);
    return out;
}

GbkText toFullWidth(std::string_view text) {
    GbkText out(text.size() * 2, '\0');  // at most doubles
    const char* in = text.data();
    const std::size_t n = text.size();
    char* o = out.data();
    std::size_t i = 0;
    while (i < n) {
        if (n - i >= 8 && blocks::allHigh(blocks::load8(in + i))) {
            std::memcpy(o, in + i, 8);  // four two-byte units, unchanged
            o += 8;
            i += 8;
            continue;
        }
        const auto b = static_cast<unsigned char>(in[i]);
        if (b >= 0x80) {
            if (i + 1 == n) break;  // a dangling lead byte ends the output
            o[0] = in[i];
            o[1] = in[i + 1];
            o += 2;
            i += 2;
            continue;
        }
        if (b == kSpace) {
            o[0] = static_cast<char>(kSymbolLead);
            o[1] = static_cast<char>(0xA1);
            o += 2;
        } else if (b == 0x7E) {
            // The tilde's full-width form lives in the symbol row, not at A3 FE.
            o[0] = static_cast<char>(kSymbolLead);
            o[1] = static_cast<char>(0xAB);
            o += 2;
        } else if (b > kSpace && b < 0x7F) {
            o[0] = static_cast<char>(kFullLead);
            o[1] = static_cast<char>(b + 0x80);
            o += 2;
        } else {
            *o++ = static_cast<char>(b);  // control bytes stay one byte
        }
        ++i;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

GbkText toHalfWidth(std::string_view text) {
    GbkText out(text.size(), '\0');  // never grows
    const char* in = text.data();
    const std::size_t n = text.size();
    char* o = out.data();
    std::size_t i = 0;
    while (i < n) {
        if (n - i >= 8) {
            // Runs of one-byte characters and runs of two-byte characters
            // outside the two rows that hold full-width forms are copied as
            // they are.
            const std::uint64_t block = blocks::load8(in + i);
            const bool plainPairs = blocks::allHigh(block) && !blocks::hasByte(block, '\xA1') &&
                                    !blocks::hasByte(block, '\xA3');
            if (blocks::allOneByte(block) || plainPairs) {
                std::memcpy(o, in + i, 8);
                o += 8;
                i += 8;
                continue;
            }
        }
        const auto b = static_cast<unsigned char>(in[i]);
        if (b < 0x80) {
            *o++ = static_cast<char>(b);
            ++i;
            continue;
        }
        if (i + 1 == n) break;  // a dangling lead byte ends the output
        const auto t = static_cast<unsigned char>(in[i + 1]);
        if (b == kSymbolLead && t == 0xA1) {
            *o++ = ' ';
        } else if (b == kSymbolLead && t == 0xAB) {
            *o++ = '~';
        } else if (b == kSymbolLead && (t == 0xEE || t == 0xEF)) {
            *o++ = '*';  // the white and black stars
        } else if (b == kFullLead && t >= 0xA1 && t <= 0xFE) {
            *o++ = static_cast<char>(t - 0x80);
        } else {
            o[0] = static_cast<char>(b);
            o[1] = static_cast<char>(t);
            o += 2;
        }
        i += 2;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

GbkText removeAllSpaces(std::string_view text) {
    GbkText out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = byteAt(text, i);
        if (b < 0x80) {
            if (b != kSpace) out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        if (i + 1 == text.size()) break;
        const unsigned char t = byteAt(text, i + 1);
        if (!(b == kSymbolLead && t == 0xA1)) appendPair(out, b, t);
        i += 2;
    }
    return out;
}

GbkText removeLineBreaks(std::string_view text) {
    GbkText out(text.size(), '\0');  // never grows
    const char* in = text.data();
    const std::size_t n = text.size();
    char* o = out.data();
    std::size_t i = 0;
    // The CR LF test comes first at every unit boundary; positions inside a
    // two-byte unit are never tested.
    while (n - i >= 2) {
        if (n - i >= 8) {
            const std::uint64_t block = blocks::load8(in + i);
            if (blocks::allHigh(block) ||
                (blocks::allOneByte(block) && !blocks::hasByte(block, kCr))) {
                std::memcpy(o, in + i, 8);
                o += 8;
                i += 8;
                continue;
            }
        }
        if (in[i] == kCr && in[i + 1] == kLf) {
            i += 2;
        } else if (isLeadByte(in[i])) {
            o[0] = in[i];
            o[1] = in[i + 1];
            o += 2;
            i += 2;
        } else {
            *o++ = in[i++];
        }
    }
    if (i < n) *o++ = in[i];  // a last single byte, dangling or not, stays
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

std::int32_t parseInteger(std::string_view text) {
    const GbkText s = toHalfWidth(text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    // Unsigned arithmetic gives the modulo-2^32 wrap-around by definition.
    std::uint32_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10U + static_cast<std::uint32_t>(s[i] - '0');
    }
    if (negative) value = 0U - value;
    return static_cast<std::int32_t>(value);
}

TextList::TextList(std::int32_t count)
    : elements_(count > 0 ? static_cast<std::size_t>(count) : 0U) {}

std::int32_t TextList::count() const { return static_cast<std::int32_t>(elements_.size()); }

const GbkText& TextList::at(std::int32_t index) const {
    if (index < 1) throw std::out_of_range("TextList index below 1");
    return elements_.at(static_cast<std::size_t>(index) - 1);
}

void TextList::set(std::int32_t index, GbkText text) {
    if (index < 1) throw std::out_of_range("TextList index below 1");
    elements_.at(static_cast<std::size_t>(index) - 1) = std::move(text);
}

std::size_t findLineBreak(std::string_view text, std::size_t from) {
    const char* p = text.data();
    const std::size_t n = text.size();
    std::size_t i = from;
    while (n - i >= 2) {
        if (n - i >= 8) {
            const std::uint64_t block = blocks::load8(p + i);
            // A run of two-byte units holds no line break, and stepping over
            // eight of its bytes keeps the unit boundary.
            if (blocks::allHigh(block) ||
                (blocks::allOneByte(block) && !blocks::hasByte(block, kCr))) {
                i += 8;
                continue;
            }
        }
        if (p[i] == kCr && p[i + 1] == kLf) return i;
        i += isLeadByte(p[i]) ? 2 : 1;
    }
    return std::string_view::npos;
}

TextList splitText(std::string_view text, std::string_view delimiter) {
    std::vector<GbkText> pieces;
    if (!text.empty() && delimiter.empty()) pieces.emplace_back(text);
    if (!text.empty() && !delimiter.empty()) {
        const std::size_t d = delimiter.size();
        std::size_t start = 0;
        std::size_t i = 0;
        while (text.size() - i >= d) {
            if (text.compare(i, d, delimiter) == 0) {
                pieces.emplace_back(text.substr(start, i - start));
                i += d;
                start = i;
            } else if (isLeadByte(text[i])) {
                if (i + 1 == text.size()) break;
                i += 2;
            } else {
                ++i;
            }
        }
        if (start < text.size()) pieces.emplace_back(text.substr(start));
    }
    TextList list(static_cast<std::int32_t>(pieces.size()));
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        list.set(static_cast<std::int32_t>(k + 1), std::move(pieces[k]));
    }
    return list;
}

}  // namespace guwen
