// convertToColumns byte for byte against the literal reference where that is
// quick, and against the direct cell-by-cell version up to 512 KiB. Above the
// size limit or the row limit there must be no result; below both there must
// be one.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "fuzz/direct_layouts.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "layout/column_conversion.h"
#include "layout/result_limit.h"
#include "tests/layout/literal_reference.h"

namespace {

using guwen::kMaxColumnRows;
using guwen::kMaxResultBytes;

// Results between this size and the limit take too long to check on every
// run; the unit tests pin the exact limit. The most rows of one cell each
// still fit.
constexpr std::uint64_t kDirectBytes = std::uint64_t{512} << 10U;
// Bytes the literal reference copies, roughly; more is too slow.
constexpr std::uint64_t kReferenceWork = std::uint64_t{1} << 17U;
// Below the row limit only a source of tens of MiB passes the byte limit, so
// sources stay short: long enough for more full columns than the layout
// copies in one block.
constexpr std::size_t kMaxSource = std::size_t{16} << 10U;

std::int32_t charsPerColumn(FuzzedDataProvider& input) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    // Rows of one cell take four bytes.
    constexpr auto kLimitRows = static_cast<std::int32_t>(kMaxResultBytes / 4);
    constexpr std::array<std::int32_t, 12> kEdges = {
        kMax, kMin,           1 << 30,        (1 << 30) - 1,      16'000'001, kLimitRows,
        0,    kLimitRows + 1, kMaxColumnRows, kMaxColumnRows + 1, -1,         2};
    switch (input.ConsumeIntegralInRange<int>(0, 15)) {
        case 10:
            return kLimitRows / input.ConsumeIntegralInRange<std::int32_t>(1, 8) +
                   input.ConsumeIntegralInRange<std::int32_t>(-8, 8);
        case 11:
            return input.ConsumeIntegral<std::int32_t>();
        case 12:
            return input.ConsumeIntegralInRange<std::int32_t>(kMin, 0);
        case 13:
            return kMaxColumnRows + input.ConsumeIntegralInRange<std::int32_t>(-8, 8);
        case 14:
            return input.PickValueInArray(kEdges);
        case 15:
            return input.ConsumeIntegralInRange<std::int32_t>(1, 5000);
        default:
            return input.ConsumeIntegralInRange<std::int32_t>(1, 12);
    }
}

std::string describe(const guwen::ConversionOptions& o) {
    return "convertToColumns P=" + std::to_string(o.charsPerColumn) +
           " traditional=" + std::to_string(o.traditional) +
           " removeSpaces=" + std::to_string(o.removeSpaces) +
           " fullWidth=" + std::to_string(o.fullWidth) + " source " + guwen::fuzz::hex(o.source);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    FuzzedDataProvider input(data, size);
    ConversionOptions options;
    const auto flags = input.ConsumeIntegral<std::uint8_t>();
    options.traditional = (flags & 1U) != 0;
    options.removeSpaces = (flags & 2U) != 0;
    options.fullWidth = (flags & 4U) != 0;
    options.charsPerColumn = charsPerColumn(input);
    const std::size_t times = fuzz::repeatCount(input);
    options.source = fuzz::repeated(input.ConsumeRemainingBytesAsString(), times, kMaxSource);
    const std::string what = describe(options);

    if (options.source.empty() || options.charsPerColumn <= 0) {
        fuzz::expectSameResult(what, std::nullopt, convertToColumns(options));
        fuzz::expectSameResult(what + " (reference)", std::nullopt,
                               reference::convertToColumns(options));
        return 0;
    }

    const std::string prepared =
        direct::columnSource(options.source, options.traditional, options.removeSpaces);
    const direct::ColumnShape shape(prepared.size(), options.charsPerColumn);
    const std::uint64_t bytes = shape.bytes();
    if (bytes > kMaxResultBytes || options.charsPerColumn > kMaxColumnRows) {
        fuzz::expectSameResult(what + " is over a limit", std::nullopt, convertToColumns(options));
        return 0;
    }
    if (bytes > kDirectBytes) return 0;

    const std::optional<GbkText> fast = convertToColumns(options);
    fuzz::expectSameResult(
        what, direct::columns(prepared, options.charsPerColumn, options.fullWidth), fast);
    const std::uint64_t work = shape.length * shape.columns + bytes * (shape.columns + shape.rows);
    if (work <= kReferenceWork) {
        fuzz::expectSameResult(what + " (reference)", reference::convertToColumns(options), fast);
    }
    return 0;
}
