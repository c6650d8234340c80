#pragma once
// The text value of the engine: code page 936 (GBK) bytes, and the primitives
// every layout is built from. Lengths, counts and positions are bytes.
//
// Two families of primitives treat two-byte characters differently, and the
// layouts depend on the difference:
//  - byte primitives (textLength, leftBytes, rightBytes, blankText,
//    concatText) count and copy bytes and happily cut a character in half;
//  - scanning primitives walk the text from its first byte in units: a byte
//    below 0x80 is one unit, a byte of 0x80 or above takes the next byte as
//    its partner whatever that byte is. Only the top bit is tested, so
//    malformed text is stepped through, never rejected.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace guwen {

// Any bytes except NUL, in any order; need not be valid GBK. The empty text
// is the zero-length string. Values are copied, never shared.
using GbkText = std::string;

inline constexpr char kCr = '\r';
inline constexpr char kLf = '\n';
inline constexpr std::string_view kLineBreak = "\r\n";

// True for a byte that opens a two-byte unit (top bit set).
constexpr bool isLeadByte(char byte) { return (static_cast<unsigned char>(byte) & 0x80U) != 0; }

// Byte primitives.
std::int32_t textLength(std::string_view text);
GbkText leftBytes(std::string_view text, std::int32_t count);
GbkText rightBytes(std::string_view text, std::int32_t count);
GbkText blankText(std::int32_t count);
GbkText concatText(std::initializer_list<std::string_view> parts);

// Scanning primitives.
GbkText toFullWidth(std::string_view text);
GbkText toHalfWidth(std::string_view text);
GbkText removeAllSpaces(std::string_view text);
GbkText removeLineBreaks(std::string_view text);
std::int32_t parseInteger(std::string_view text);

// A list of texts with a size fixed at creation, indexed from 1.
class TextList {
  public:
    // A negative count gives a list of no elements.
    explicit TextList(std::int32_t count);

    [[nodiscard]] std::int32_t count() const;
    // Indexing outside 1..count() is a programming error and throws
    // std::out_of_range.
    [[nodiscard]] const GbkText& at(std::int32_t index) const;
    void set(std::int32_t index, GbkText text);

  private:
    std::vector<GbkText> elements_;
};

// Pieces between the occurrences of delimiter, matched only at unit
// boundaries. A delimiter at the very end adds no empty last piece.
TextList splitText(std::string_view text, std::string_view delimiter);

// The position of the first CR LF at or after from that begins at a unit
// boundary, or std::string_view::npos; from must itself be a unit boundary.
// This is where splitText with the delimiter CR LF cuts.
std::size_t findLineBreak(std::string_view text, std::size_t from);

}  // namespace guwen
