// makeSlantedText byte for byte against the literal reference where that is
// quick, and against the direct line-by-line version up to 16 KiB. The
// result grows with the square of the text: above the limit there must be
// no result, below it there must be one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/direct_layouts.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "layout/result_limit.h"
#include "layout/slanted_text.h"
#include "tests/layout/literal_reference.h"

namespace {

constexpr std::uint64_t kDirectBytes = std::uint64_t{16} << 10U;
// The reference appends each line to the whole result so far.
constexpr std::uint64_t kReferenceCells = 60;
// 8,191 cells pass the limit, so any 16 KiB text of whole cells does.
constexpr std::size_t kMaxSource = std::size_t{16} << 10U;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    FuzzedDataProvider input(data, size);
    const std::size_t times = fuzz::repeatCount(input);
    const std::string source =
        fuzz::repeated(input.ConsumeRemainingBytesAsString(), times, kMaxSource);
    const std::string what = "makeSlantedText of " + fuzz::hex(source);

    if (source.empty()) {
        fuzz::expectSameResult(what, std::nullopt, makeSlantedText(source));
        fuzz::expectSameResult(what + " (reference)", std::nullopt,
                               reference::makeSlantedText(source));
        return 0;
    }
    const std::string prepared = direct::slantedSource(source);
    const std::uint64_t cells = prepared.size() / 2;
    const std::uint64_t bytes = direct::slantedBytes(cells);
    if (bytes > kMaxResultBytes) {
        fuzz::expectSameResult(what + " is over the limit", std::nullopt, makeSlantedText(source));
        return 0;
    }
    if (bytes > kDirectBytes) return 0;

    const std::optional<GbkText> fast = makeSlantedText(source);
    fuzz::expectSameResult(what, direct::slanted(prepared), fast);
    if (cells <= kReferenceCells) {
        fuzz::expectSameResult(what + " (reference)", reference::makeSlantedText(source), fast);
    }
    return 0;
}
