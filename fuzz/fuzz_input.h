#pragma once
// Turns a short fuzz input into a text that may be long: a unit repeated a
// number of times. The count is usually 1 and rarely large, so most runs
// stay small and fast and a few reach the sizes where the layouts refuse.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace guwen::fuzz {

// A count of repetitions; the text they build is capped by repeated().
inline std::size_t repeatCount(FuzzedDataProvider& input) {
    const auto kind = input.ConsumeIntegral<std::uint8_t>();
    if (kind < 224) return 1;
    if (kind < 255) return input.ConsumeIntegralInRange<std::size_t>(1, 64);
    return input.ConsumeIntegralInRange<std::size_t>(1, std::size_t{1} << 20U);
}

// unit repeated times, cut down to as many whole units as fit in maxBytes
// (but at least one).
inline std::string repeated(std::string_view unit, std::size_t times, std::size_t maxBytes) {
    if (unit.empty()) return {};
    if (times > maxBytes / unit.size()) times = std::max<std::size_t>(1, maxBytes / unit.size());
    std::string out;
    out.reserve(unit.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += unit;
    return out;
}

}  // namespace guwen::fuzz
