#pragma once
// Slow layouts written step by step from their descriptions, with the text
// primitives and TextList exactly as described: repeated slicing of the
// remaining text, double-precision divisions truncated toward zero. They know
// no size limit. The fast layouts must give the same bytes whenever they give
// a result.

#include <optional>
#include <string_view>

#include "layout/column_conversion.h"
#include "text/gbk_text.h"

namespace guwen::reference {

std::optional<GbkText> convertToColumns(const ConversionOptions& options);
std::optional<GbkText> makeSlantedText(std::string_view source);
std::optional<GbkText> decorateLines(std::string_view text, std::string_view separator);

}  // namespace guwen::reference
