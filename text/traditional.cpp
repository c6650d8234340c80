#include "text/traditional.h"

#include <bit>

#include "text/byte_blocks.h"

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

constexpr TraditionalTable kTable = buildTable();

using PairLookup = std::array<std::uint16_t, 65536>;

constexpr std::uint16_t inMemoryOrder(unsigned first, unsigned second) {
    if constexpr (std::endian::native == std::endian::little) {
        return static_cast<std::uint16_t>(first | second << 8U);
    } else {
        return static_cast<std::uint16_t>(first << 8U | second);
    }
}

constexpr PairLookup buildPairLookup() {
    PairLookup lookup{};
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::uint16_t key = inMemoryOrder(first, second);
            if (hasTableCell(first, second)) {
                const TableCell& cell = kTable.at(first - kTableLeadFirst)
                                            .at(static_cast<std::size_t>(tableCellIndex(second)));
                lookup.at(key) = inMemoryOrder(cell[0], cell[1]);
            } else {
                lookup.at(key) = key;
            }
        }
    }
    return lookup;
}

constexpr PairLookup kPairLookup = buildPairLookup();

}  // namespace

const TraditionalTable traditionalTable = kTable;
const PairLookup traditionalPairLookup = kPairLookup;

GbkText toTraditional(std::string_view text) {
    GbkText out(text);
    char* p = out.data();
    const std::size_t n = out.size();
    std::size_t i = 0;
    // Bytes pair up strictly from the start and never re-synchronise: a byte
    // of 0x80 or above always takes the next byte as its partner.
    while (i < n) {
        if (n - i >= 8) {
            const std::uint64_t block = blocks::load8(p + i);
            if (blocks::allOneByte(block)) {
                i += 8;
                continue;
            }
            if (blocks::allHigh(block)) {
                for (std::size_t k = 0; k < 8; k += 2) {
                    blocks::store2(p + i + k, kPairLookup[blocks::load2(p + i + k)]);
                }
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(p[i]) < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 == n) break;  // a lone lead byte at the end stays
        blocks::store2(p + i, kPairLookup[blocks::load2(p + i)]);
        i += 2;
    }
    return out;
}

}  // namespace guwen
