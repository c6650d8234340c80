#pragma once
// The layouts a third way, for sizes where the literal reference (quadratic
// or worse) is too slow: the size of each result worked out arithmetically,
// and the result written cell by cell in one pass. Built on the plain
// primitives only.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/plain_text.h"

namespace guwen::direct {

// The prepared text of the column layout, step by step.
inline std::string columnSource(std::string_view source, bool traditional, bool removeSpaces) {
    std::string text = traditional ? plain::traditional(source) : std::string(source);
    text = plain::removeLineBreaks(plain::fullWidth(text));
    return removeSpaces ? plain::removeSpaces(text) : text;
}

// L bytes cut into columns of 2P bytes, one column more than are full.
struct ColumnShape {
    std::uint64_t length;
    std::uint64_t rows;
    std::uint64_t columns;

    ColumnShape(std::uint64_t l, std::int32_t p)
        : length(l), rows(static_cast<std::uint64_t>(p)), columns(l / (2 * rows) + 1) {}

    // Before the mapping back to half width: P rows of C two-byte cells and
    // CR LF, less one byte where the text ends in the middle of a cell. For
    // P below 2^31 and C below 2^22 this stays far from wrapping.
    [[nodiscard]] std::uint64_t bytes() const { return rows * (2 * columns + 2) - (length % 2); }
};

// Row j holds the j-th cell of every column, the last column first; a cell
// past the end of the text is two spaces, a cell cut by the end is its byte.
inline std::string columns(std::string_view text, std::int32_t p, bool fullWidth) {
    const ColumnShape shape(text.size(), p);
    plain::Output out(shape.bytes());
    for (std::uint64_t row = 0; row < shape.rows; ++row) {
        for (std::uint64_t k = shape.columns; k-- > 0;) {
            const std::uint64_t cell = k * 2 * shape.rows + 2 * row;
            if (cell >= text.size()) {
                out.put("  ");
            } else {
                out.put(text.substr(cell, std::min<std::size_t>(2, text.size() - cell)));
            }
        }
        out.put("\r\n");
    }
    std::string bytes = out.take();
    return fullWidth ? bytes : plain::halfWidth(bytes);
}

inline std::string slantedSource(std::string_view source) {
    return plain::removeLineBreaks(plain::fullWidth(source));
}

// n lines of 2i spaces and a cell, n - 1 line breaks: n^2 + 3n - 2 bytes.
inline std::uint64_t slantedBytes(std::uint64_t cells) {
    return cells == 0 ? 0 : cells * cells + 3 * cells - 2;
}

inline std::string slanted(std::string_view prepared) {
    const std::size_t cells = prepared.size() / 2;
    plain::Output out(slantedBytes(cells));
    for (std::size_t i = 0; i < cells; ++i) {
        if (i > 0) out.put("\r\n");
        for (std::size_t k = 0; k < 2 * i; ++k) out.put(' ');
        out.put(prepared.substr(2 * i, 2));
    }
    return out.take();
}

// Each line of n whole cells: n + 1 separators, the cells and CR LF.
inline std::uint64_t decorationBytes(std::string_view text, std::string_view separator) {
    std::uint64_t bytes = 0;
    plain::forEachPiece(text, "\r\n", [&](std::string_view line) {
        const std::uint64_t cells = line.size() / 2;
        bytes += (cells + 1) * separator.size() + 2 * cells + 2;
    });
    return bytes;
}

inline std::string decoration(std::string_view text, std::string_view separator) {
    plain::Output out(decorationBytes(text, separator));
    plain::forEachPiece(text, "\r\n", [&](std::string_view line) {
        for (std::size_t i = 0; i + 2 <= line.size(); i += 2) {
            out.put(separator);
            out.put(line.substr(i, 2));
        }
        out.put(separator);
        out.put("\r\n");
    });
    return out.take();
}

}  // namespace guwen::direct
