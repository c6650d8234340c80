// decorateLines byte for byte against the literal reference where that is
// quick, and against the direct version up to 16 KiB, pressed once or up
// to forty times in a row as a user can. Above the size limit there must be
// no result, below it there must be one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/direct_layouts.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "layout/line_decoration.h"
#include "layout/result_limit.h"
#include "tests/layout/literal_reference.h"

namespace {

constexpr std::uint64_t kDirectBytes = std::uint64_t{16} << 10U;
// Bytes the literal reference copies, roughly (it appends every cell to the
// whole result so far); more is too slow.
constexpr std::uint64_t kReferenceWork = std::uint64_t{1} << 17U;
// Enough lines and a long enough separator to pass the limit by far.
constexpr std::size_t kMaxText = std::size_t{64} << 10U;
constexpr std::size_t kMaxSeparator = std::size_t{4} << 10U;

int presses(FuzzedDataProvider& input) {
    const auto kind = input.ConsumeIntegral<std::uint8_t>();
    if (kind < 160) return 1;
    if (kind < 240) return 2 + kind % 4;
    return input.ConsumeIntegralInRange<int>(6, 40);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    FuzzedDataProvider input(data, size);
    const int times = presses(input);
    const std::size_t separatorTimes = fuzz::repeatCount(input);
    const std::size_t textTimes = fuzz::repeatCount(input);
    const std::string separator =
        fuzz::repeated(input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 8)),
                       separatorTimes, kMaxSeparator);
    std::string text = fuzz::repeated(input.ConsumeRemainingBytesAsString(), textTimes, kMaxText);

    for (int press = 1; press <= times; ++press) {
        const std::string what = "decorateLines press " + std::to_string(press) + " of " +
                                 fuzz::hex(text) + " with " + fuzz::hex(separator);
        if (separator.empty()) {
            fuzz::expectSameResult(what, std::nullopt, decorateLines(text, separator));
            fuzz::expectSameResult(what + " (reference)", std::nullopt,
                                   reference::decorateLines(text, separator));
            return 0;
        }
        const std::uint64_t bytes = direct::decorationBytes(text, separator);
        if (bytes > kMaxResultBytes) {
            fuzz::expectSameResult(what + " is over the limit", std::nullopt,
                                   decorateLines(text, separator));
            return 0;
        }
        if (bytes > kDirectBytes) return 0;

        const std::optional<GbkText> fast = decorateLines(text, separator);
        fuzz::expectSameResult(what, direct::decoration(text, separator), fast);
        if ((text.size() / 2 + 1) * bytes <= kReferenceWork) {
            fuzz::expectSameResult(what + " (reference)", reference::decorateLines(text, separator),
                                   fast);
        }
        text = *fast;
    }
    return 0;
}
