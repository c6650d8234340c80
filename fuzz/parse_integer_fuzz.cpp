// parseInteger against the plain version on any bytes, and on every 32-bit
// value written out in the ways a user can type it: white space first, an
// optional plus sign, one-byte and full-width digits mixed, and something
// that is not a digit after it.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/gbk_text.h"

namespace {

std::string written(std::int32_t value, FuzzedDataProvider& input) {
    static const std::array<std::string, 5> kBlanks = {" ", "\t", "\r\n", "\xA1\xA1", "\x0B"};
    static const std::array<std::string, 6> kEnds = {" ", ".", "a", "\xA3\xAE", "-", "\xB0\xD7"};
    std::string out;
    const auto blanks = input.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < blanks; ++i) out += input.PickValueInArray(kBlanks);

    const std::int64_t wide = value;
    if (wide < 0) {
        out += input.ConsumeBool() ? "-" : "\xA3\xAD";
    } else if (input.ConsumeBool()) {
        out += input.ConsumeBool() ? "+" : "\xA3\xAB";
    }
    const auto fullWidthDigits = input.ConsumeIntegral<std::uint16_t>();
    const std::string digits = std::to_string(wide < 0 ? -wide : wide);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (((fullWidthDigits >> (i % 16)) & 1U) != 0) {
            out += {'\xA3', static_cast<char>(digits[i] + 0x80)};
        } else {
            out += digits[i];
        }
    }
    return out + input.PickValueInArray(kEnds) + input.ConsumeRemainingBytesAsString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view whole = fuzz::bytesOf(data, size);
    const std::int32_t parsed = parseInteger(whole);
    const std::int32_t expected = plain::parseInteger(whole);
    if (parsed != expected) {
        fuzz::fail("parseInteger of " + fuzz::hex(whole), std::to_string(expected),
                   std::to_string(parsed));
    }

    FuzzedDataProvider input(data, size);
    const auto value = input.ConsumeIntegral<std::int32_t>();
    const std::string text = written(value, input);
    const std::int32_t readBack = parseInteger(text);
    if (readBack != value) {
        fuzz::fail("parseInteger of " + fuzz::hex(text), std::to_string(value),
                   std::to_string(readBack));
    }
    return 0;
}
