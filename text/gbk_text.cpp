#include "text/gbk_text.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace guwen {
namespace {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kFullLead = 0xA3;   // row of full-width forms A3 A1..A3 FE
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
    return GbkText(static_cast<std::size_t>(count), ' ');
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
    GbkText out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = byteAt(text, i);
        if (b >= 0x80) {
            if (i + 1 == text.size()) break;  // a dangling lead byte ends the output
            appendPair(out, b, byteAt(text, i + 1));
            i += 2;
            continue;
        }
        if (b == kSpace) {
            appendPair(out, kSymbolLead, 0xA1);
        } else if (b == 0x7E) {
            // The tilde's full-width form lives in the symbol row, not at A3 FE.
            appendPair(out, kSymbolLead, 0xAB);
        } else if (b > kSpace && b < 0x7F) {
            appendPair(out, kFullLead, static_cast<unsigned char>(b + 0x80));
        } else {
            out.push_back(static_cast<char>(b));  // control bytes stay one byte
        }
        ++i;
    }
    return out;
}

GbkText toHalfWidth(std::string_view text) {
    GbkText out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = byteAt(text, i);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        if (i + 1 == text.size()) break;
        const unsigned char t = byteAt(text, i + 1);
        if (b == kSymbolLead && t == 0xA1) {
            out.push_back(' ');
        } else if (b == kSymbolLead && t == 0xAB) {
            out.push_back('~');
        } else if (b == kSymbolLead && (t == 0xEE || t == 0xEF)) {
            out.push_back('*');  // the white and black stars
        } else if (b == kFullLead && t >= 0xA1 && t <= 0xFE) {
            out.push_back(static_cast<char>(t - 0x80));
        } else {
            appendPair(out, b, t);
        }
        i += 2;
    }
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
    GbkText out;
    out.reserve(text.size());
    std::size_t i = 0;
    // The CR LF test comes first at every unit boundary; positions inside a
    // two-byte unit are never tested.
    while (text.size() - i >= 2) {
        if (text[i] == kCr && text[i + 1] == kLf) {
            i += 2;
        } else if (isLeadByte(text[i])) {
            out.append(text.substr(i, 2));
            i += 2;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    out.append(text.substr(i));  // a last single byte, dangling or not, stays
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

std::vector<TextSpan> splitSpans(std::string_view text, std::string_view delimiter) {
    std::vector<TextSpan> spans;
    if (text.empty()) return spans;
    if (delimiter.empty()) {
        spans.push_back({0, text.size()});
        return spans;
    }
    const std::size_t d = delimiter.size();
    std::size_t start = 0;
    std::size_t i = 0;
    while (text.size() - i >= d) {
        if (text.compare(i, d, delimiter) == 0) {
            spans.push_back({start, i - start});
            i += d;
            start = i;
        } else if (isLeadByte(text[i])) {
            if (i + 1 == text.size()) break;
            i += 2;
        } else {
            ++i;
        }
    }
    if (start < text.size()) spans.push_back({start, text.size() - start});
    return spans;
}

TextList splitText(std::string_view text, std::string_view delimiter) {
    const std::vector<TextSpan> spans = splitSpans(text, delimiter);
    TextList list(static_cast<std::int32_t>(spans.size()));
    for (std::size_t k = 0; k < spans.size(); ++k) {
        list.set(static_cast<std::int32_t>(k + 1), GbkText(text.substr(spans[k].offset, spans[k].length)));
    }
    return list;
}

}  // namespace guwen
