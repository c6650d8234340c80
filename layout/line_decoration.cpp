#include "layout/line_decoration.h"

#include <vector>

#include "layout/result_limit.h"

namespace guwen {

std::optional<GbkText> decorateLines(std::string_view text, std::string_view separator) {
    if (separator.empty()) return std::nullopt;

    const std::vector<TextSpan> lines = splitSpans(text, kLineBreak);

    // Each line of n whole cells becomes n + 1 separators, its n cells and
    // CR LF; an odd last byte of a line is dropped. The total is known before
    // anything is copied.
    const std::uint64_t sep = separator.size();
    std::uint64_t resultBytes = 0;
    for (const TextSpan& line : lines) {
        const std::uint64_t cells = line.length / 2;
        resultBytes += (cells + 1) * sep + 2 * cells + kLineBreak.size();
        if (resultBytes > kMaxResultBytes) return std::nullopt;
    }

    GbkText result;
    result.reserve(static_cast<std::size_t>(resultBytes));
    for (const TextSpan& line : lines) {
        const std::size_t cells = line.length / 2;
        for (std::size_t c = 0; c < cells; ++c) {
            result.append(separator);
            result.append(text.substr(line.offset + 2 * c, 2));
        }
        result.append(separator);
        result.append(kLineBreak);
    }
    return result;
}

}  // namespace guwen
