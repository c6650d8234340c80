#include "layout/column_conversion.h"

#include <algorithm>

#include "layout/column_source.h"
#include "layout/result_limit.h"
#include "text/byte_blocks.h"

namespace guwen {
namespace {

// The geometry of one layout. The prepared text of L bytes is cut into
// consecutive columns of 2P bytes; there is one column more than there are
// completely filled ones, so the last column is partly filled or blank. That
// last column stands leftmost in every row; all the others are full.
struct ColumnGrid {
    std::uint64_t length;       // L
    std::uint64_t rows;         // P
    std::uint64_t columnBytes;  // 2P
    std::uint64_t columns;      // C = L / 2P + 1
    std::uint64_t rowBytes;     // 2C + CR LF, one less in the row holding a lone byte

    // Where the lone byte of an odd-length text sits: the row of the
    // leftmost column whose cell is cut by the end of the text.
    [[nodiscard]] bool hasLoneByte() const { return length % 2 == 1; }
    [[nodiscard]] std::uint64_t loneByteRow() const {
        return (length - (columns - 1) * columnBytes) / 2;
    }
    [[nodiscard]] std::uint64_t rowStart(std::uint64_t row) const {
        return row * rowBytes - ((hasLoneByte() && row > loneByteRow()) ? 1 : 0);
    }
    [[nodiscard]] std::uint64_t resultBytes() const {
        return rows * rowBytes - (hasLoneByte() ? 1 : 0);
    }
};

// Writes the leftmost cell and the line break of every row: a cell past the
// end of the text is two one-byte spaces, a cell cut by the end is its one
// byte.
void writeLeftColumnAndBreaks(const ColumnGrid& grid, const char* text, char* out) {
    const std::uint64_t columnStart = (grid.columns - 1) * grid.columnBytes;
    for (std::uint64_t row = 0; row < grid.rows; ++row) {
        char* dst = out + grid.rowStart(row);
        const std::uint64_t cell = columnStart + 2 * row;
        if (cell >= grid.length) {
            dst[0] = ' ';
            dst[1] = ' ';
            dst += 2;
        } else if (cell + 1 == grid.length) {
            *dst++ = text[cell];
        } else {
            blocks::store2(dst, blocks::load2(text + cell));
            dst += 2;
        }
        dst += 2 * (grid.columns - 1);
        dst[0] = kCr;
        dst[1] = kLf;
    }
}

// Copies the full columns into place. Column k's cell of row j lands 2k
// bytes left of column 0's cell; the columns are taken in blocks that fit
// the cache, so neither the reads nor the writes stride through all memory.
void writeFullColumns(const ColumnGrid& grid, const char* text, char* out) {
    const std::uint64_t fullColumns = grid.columns - 1;
    const std::uint64_t blockColumns = std::max<std::uint64_t>(1, 16384 / grid.columnBytes);
    for (std::uint64_t first = 0; first < fullColumns; first += blockColumns) {
        const std::uint64_t last = std::min(first + blockColumns, fullColumns);
        for (std::uint64_t row = 0; row < grid.rows; ++row) {
            const std::uint64_t leftCell =
                (grid.hasLoneByte() && row == grid.loneByteRow()) ? 1 : 2;
            char* columnZero = out + grid.rowStart(row) + leftCell + 2 * (fullColumns - 1);
            const char* src = text + 2 * row;
            for (std::uint64_t k = first; k < last; ++k) {
                blocks::store2(columnZero - 2 * k, blocks::load2(src + k * grid.columnBytes));
            }
        }
    }
}

}  // namespace

// Row j takes the j-th two-byte cell of each column from the leftmost (last)
// to the rightmost (first), so reading each column top to bottom, right to
// left, gives the text back. The result is written straight into place from
// the prepared text in time linear in its size.
std::optional<GbkText> convertToColumns(const ConversionOptions& options) {
    if (options.source.empty() || options.charsPerColumn <= 0) return std::nullopt;
    if (options.charsPerColumn > kMaxColumnRows) return std::nullopt;

    const PreparedSource prepared =
        prepareColumnSource(options.source, options.traditional, options.removeSpaces);
    const std::string_view text = prepared.view();

    ColumnGrid grid{};
    grid.length = text.size();
    grid.rows = static_cast<std::uint64_t>(options.charsPerColumn);
    grid.columnBytes = 2 * grid.rows;
    grid.columns = grid.length / grid.columnBytes + 1;
    grid.rowBytes = 2 * grid.columns + kLineBreak.size();
    // Check the row count first so that the product below cannot overflow.
    if (grid.rows > kMaxResultBytes / grid.rowBytes) return std::nullopt;
    if (grid.resultBytes() > kMaxResultBytes) return std::nullopt;

    GbkText result(static_cast<std::size_t>(grid.resultBytes()), '\0');
    writeLeftColumnAndBreaks(grid, text.data(), result.data());
    writeFullColumns(grid, text.data(), result.data());
    if (!options.fullWidth) result = toHalfWidth(result);
    return result;
}

}  // namespace guwen
