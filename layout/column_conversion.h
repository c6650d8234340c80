#pragma once
#include <cstdint>
#include <optional>

#include "text/gbk_text.h"

namespace guwen {

struct ConversionOptions {
    GbkText source;
    std::int32_t charsPerColumn = 5;
    bool traditional = false;
    bool removeSpaces = false;
    bool fullWidth = false;
};

// Cuts the prepared source into vertical columns of charsPerColumn characters,
// the first column rightmost, and writes them out as charsPerColumn rows, each
// ended by CR LF. No result for an empty source, a charsPerColumn of 0 or
// below or above kMaxColumnRows, or a result larger than kMaxResultBytes.
std::optional<GbkText> convertToColumns(const ConversionOptions& options);

}  // namespace guwen
