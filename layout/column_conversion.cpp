#include "layout/column_conversion.h"

#include <algorithm>

#include "layout/result_limit.h"
#include "text/traditional.h"

namespace guwen {
namespace {

GbkText prepareSource(const ConversionOptions& options) {
    GbkText text = options.traditional ? toTraditional(options.source) : options.source;
    text = removeLineBreaks(toFullWidth(text));
    if (options.removeSpaces) text = removeAllSpaces(text);
    return text;
}

}  // namespace

// The columns are consecutive 2P-byte slices of the prepared text, the last one
// possibly shorter, plus one column more than the completely filled ones. Row
// j takes the j-th two-byte cell of each column from the leftmost (last) to
// the rightmost (first); a cell past the end of its column is two one-byte
// spaces, and a cell cut by the end of an odd-length text is its single byte.
// The result is written straight from the prepared text, so the work is
// linear in the size of the result.
std::optional<GbkText> convertToColumns(const ConversionOptions& options) {
    if (options.source.empty() || options.charsPerColumn <= 0) return std::nullopt;

    const GbkText text = prepareSource(options);
    const std::uint64_t length = text.size();
    const std::uint64_t cellsPerColumn = static_cast<std::uint64_t>(options.charsPerColumn);
    const std::uint64_t columnBytes = 2 * cellsPerColumn;
    const std::uint64_t columnCount = length / columnBytes + 1;

    // Every cell is two bytes except the one cut by the end of an odd text;
    // every row ends with CR LF.
    const std::uint64_t rowBytes = 2 * columnCount + kLineBreak.size();
    if (cellsPerColumn > kMaxResultBytes / rowBytes) return std::nullopt;
    const std::uint64_t resultBytes = cellsPerColumn * rowBytes - (length % 2);
    if (resultBytes > kMaxResultBytes) return std::nullopt;

    GbkText result;
    result.reserve(static_cast<std::size_t>(resultBytes));
    for (std::uint64_t row = 0; row < cellsPerColumn; ++row) {
        for (std::uint64_t column = columnCount; column-- > 0;) {
            const std::uint64_t columnStart = column * columnBytes;
            const std::uint64_t columnEnd = std::min(columnStart + columnBytes, length);
            const std::uint64_t cell = columnStart + 2 * row;
            if (cell >= columnEnd) {
                result.append("  ");
            } else {
                result.append(text, static_cast<std::size_t>(cell),
                              static_cast<std::size_t>(std::min<std::uint64_t>(2, columnEnd - cell)));
            }
        }
        result.append(kLineBreak);
    }
    if (!options.fullWidth) result = toHalfWidth(result);
    return result;
}

}  // namespace guwen
