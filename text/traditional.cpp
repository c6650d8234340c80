#include "text/traditional.h"

namespace guwen {
namespace {

struct Replacement {
    std::uint16_t source;  // lead byte << 8 | trail byte
    std::uint16_t target;
};

// The replacing cells, written by tools/gen_traditional_table.py.
constexpr Replacement kReplacements[] = {
#include "text/traditional_pairs.inc"
};

constexpr TableCell cellOf(unsigned code) {
    return {static_cast<unsigned char>(code >> 8U), static_cast<unsigned char>(code & 0xFFU)};
}

// Every cell starts as its own code; the listed replacements are laid over
// it. Built at compile time, so the table sits in read-only static storage.
constexpr TraditionalTable buildTable() {
    TraditionalTable table{};
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            table.at(lead - kTableLeadFirst).at(static_cast<std::size_t>(tableCellIndex(trail))) =
                cellOf(lead << 8U | trail);
        }
    }
    for (const Replacement& r : kReplacements) {
        const unsigned lead = r.source >> 8U;
        const unsigned trail = r.source & 0xFFU;
        table.at(lead - kTableLeadFirst).at(static_cast<std::size_t>(tableCellIndex(trail))) =
            cellOf(r.target);
    }
    return table;
}

}  // namespace

constexpr TraditionalTable kTable = buildTable();
const TraditionalTable traditionalTable = kTable;

GbkText toTraditional(std::string_view text) {
    GbkText out(text);
    const std::size_t n = out.size();
    // Bytes pair up strictly from the start and never re-synchronise: a byte
    // of 0x80 or above always takes the next byte as its partner.
    for (std::size_t i = 0; i < n;) {
        const auto lead = static_cast<unsigned char>(out[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 == n) break;
        const auto trail = static_cast<unsigned char>(out[i + 1]);
        if (hasTableCell(lead, trail)) {
            const TableCell& cell = kTable[lead - kTableLeadFirst][static_cast<std::size_t>(
                tableCellIndex(trail))];
            out[i] = static_cast<char>(cell[0]);
            out[i + 1] = static_cast<char>(cell[1]);
        }
        i += 2;
    }
    return out;
}

}  // namespace guwen
