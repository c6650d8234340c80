#pragma once
#include <optional>
#include <string_view>

#include "text/gbk_text.h"

namespace guwen {

// One two-byte cell per line, each line indented two bytes more than the one
// before, lines joined by CR LF with none after the last. No result for an
// empty source or a result larger than kMaxResultBytes.
std::optional<GbkText> makeSlantedText(std::string_view source);

}  // namespace guwen
