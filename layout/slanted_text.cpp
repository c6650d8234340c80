#include "layout/slanted_text.h"

#include "layout/result_limit.h"

namespace guwen {

std::optional<GbkText> makeSlantedText(std::string_view source) {
    if (source.empty()) return std::nullopt;

    const GbkText text = removeLineBreaks(toFullWidth(source));
    const std::uint64_t cells = text.size() / 2;  // an odd last byte is not used
    if (cells == 0) return GbkText{};

    // Line i (from 0) holds 2i spaces and one cell; n lines and n - 1 breaks
    // give n^2 + 3n - 2 bytes. Check the cell count first so the square
    // cannot overflow.
    constexpr std::uint64_t kMaxCells = 1U << 16U;
    if (cells > kMaxCells) return std::nullopt;
    const std::uint64_t resultBytes = cells * cells + 3 * cells - 2;
    if (resultBytes > kMaxResultBytes) return std::nullopt;

    GbkText result;
    result.reserve(static_cast<std::size_t>(resultBytes));
    for (std::size_t i = 0; i < cells; ++i) {
        if (i > 0) result.append(kLineBreak);
        result.append(2 * i, ' ');
        result.append(text, 2 * i, 2);
    }
    return result;
}

}  // namespace guwen
