#include "layout/line_decoration.h"

#include <cstring>

#include "layout/result_limit.h"
#include "text/byte_blocks.h"

namespace guwen {
namespace {

// Calls visit(offset, length) for each line, as splitText with CR LF cuts
// them: a break at the very end adds no empty last line, and an empty text
// has no lines.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t brk = findLineBreak(text, start);
        if (brk == std::string_view::npos) {
            visit(start, text.size() - start);
            return;
        }
        visit(start, brk - start);
        start = brk + kLineBreak.size();
    }
}

}  // namespace

std::optional<GbkText> decorateLines(std::string_view text, std::string_view separator) {
    if (separator.empty()) return std::nullopt;

    // Each line of n whole cells becomes n + 1 separators, its n cells and
    // CR LF; an odd last byte of a line is dropped. The size is known before
    // anything is copied.
    const std::uint64_t sep = separator.size();
    std::uint64_t resultBytes = 0;
    forEachLine(text, [&](std::size_t, std::size_t length) {
        const std::uint64_t cells = length / 2;
        resultBytes += (cells + 1) * sep + 2 * cells + kLineBreak.size();
    });
    // A separator can be as long as a pasted text, so the sum above may pass
    // the limit by far, but it cannot wrap: lines * separator stays below 2^64.
    if (resultBytes > kMaxResultBytes) return std::nullopt;

    GbkText result(static_cast<std::size_t>(resultBytes), '\0');
    char* out = result.data();
    const char* in = text.data();
    const bool twoByteSeparator = sep == 2;
    const std::uint16_t sep2 = twoByteSeparator ? blocks::load2(separator.data()) : 0;
    forEachLine(text, [&](std::size_t offset, std::size_t length) {
        const char* cell = in + offset;
        const char* end = cell + (length / 2) * 2;
        if (twoByteSeparator) {
            for (; cell != end; cell += 2, out += 4) {
                blocks::store2(out, sep2);
                blocks::store2(out + 2, blocks::load2(cell));
            }
        } else {
            for (; cell != end; cell += 2) {
                std::memcpy(out, separator.data(), separator.size());
                out += separator.size();
                blocks::store2(out, blocks::load2(cell));
                out += 2;
            }
        }
        std::memcpy(out, separator.data(), separator.size());
        out += separator.size();
        *out++ = kCr;
        *out++ = kLf;
    });
    return result;
}

}  // namespace guwen
