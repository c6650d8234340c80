#pragma once
// Simplified-to-traditional mapping of GBK text, one two-byte character at a
// time, through a fixed table. Every replacement is again a two-byte GBK
// character, so the result always has the length of the input and every
// character keeps its byte position.

#include <array>
#include <cstdint>
#include <string_view>

#include "text/gbk_text.h"

namespace guwen {

inline constexpr int kTableLeadFirst = 0x81;
inline constexpr int kTableRows = 126;   // lead bytes 0x81..0xFE
inline constexpr int kTableCells = 190;  // trail bytes 0x40..0x7E, 0x80..0xFE

// One cell: the lead and trail byte of the replacement, in text order.
using TableCell = std::array<unsigned char, 2>;
using TraditionalTable = std::array<std::array<TableCell, kTableCells>, kTableRows>;

// The table: row = lead - 0x81, cell = trail - 0x40 below 0x7F and
// trail - 0x41 above it. A cell holding its own code leaves the character as
// it is.
extern const TraditionalTable traditionalTable;

// True when (lead, trail) has a cell in the table.
constexpr bool hasTableCell(unsigned lead, unsigned trail) {
    return lead >= 0x81 && lead <= 0xFE &&
           ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE));
}

constexpr int tableCellIndex(unsigned trail) {
    return static_cast<int>(trail < 0x7F ? trail - 0x40 : trail - 0x41);
}

GbkText toTraditional(std::string_view text);

// The same mapping spread over all 65,536 byte pairs, indexed by a pair as
// two bytes read from memory into a uint16 (so in the machine's byte order);
// pairs without a cell map to themselves. Hot loops make one read per
// character here and no range test.
extern const std::array<std::uint16_t, 65536> traditionalPairLookup;

inline std::uint16_t traditionalPair(std::uint16_t pairInMemory) {
    return traditionalPairLookup[pairInMemory];
}

}  // namespace guwen
