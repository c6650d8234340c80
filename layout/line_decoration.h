#pragma once
#include <optional>
#include <string_view>

#include "text/gbk_text.h"

namespace guwen {

// Puts separator before every two-byte cell of every line and once more at the
// end of each line; every line ends with CR LF. No result for an empty
// separator or a result larger than kMaxResultBytes.
std::optional<GbkText> decorateLines(std::string_view text, std::string_view separator);

}  // namespace guwen
