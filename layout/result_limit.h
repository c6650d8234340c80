#pragma once
#include <cstddef>
#include <cstdint>

namespace guwen {

// The largest result any layout produces, in bytes. The slanted layout grows
// with the square of its input, each decoration roughly doubles its text, and
// a characters-per-column of two billion asks for two billion rows: every
// layout works out the size of its result arithmetically before it allocates,
// and gives no result above this limit. 64 MiB keeps a full 16 MiB paste
// convertible and decoratable while the result box stays usable.
inline constexpr std::uint64_t kMaxResultBytes = std::uint64_t{64} * 1024 * 1024;

// The most rows (characters per column) the column layout writes. Every row
// is a line of the result box, and a text box needs about 15 us per line to
// take a document in: sixteen million rows of two spaces stay under the byte
// limit yet would freeze the window for four minutes. 65,536 rows take about
// one second; no signature has columns that tall.
inline constexpr std::int32_t kMaxColumnRows = 65536;

}  // namespace guwen
