// splitText against the plain version, with CR LF (the only delimiter the
// layouts use) on the whole input and with a delimiter taken from the input.
// With CR LF the pieces joined again are the text without its line breaks,
// and findLineBreak finds where the first piece ends.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/gbk_text.h"

namespace {

std::vector<std::string> pieces(const guwen::TextList& list) {
    std::vector<std::string> out;
    for (std::int32_t i = 1; i <= list.count(); ++i) out.push_back(list.at(i));
    return out;
}

std::string joined(const std::vector<std::string>& parts, std::string_view between = {}) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += between;
        out += parts[i];
    }
    return out;
}

void checkSplit(std::string_view text, std::string_view delimiter) {
    const std::vector<std::string> actual = pieces(guwen::splitText(text, delimiter));
    const std::vector<std::string> expected = guwen::plain::split(text, delimiter);
    if (actual != expected) {
        guwen::fuzz::fail(
            "splitText of " + guwen::fuzz::hex(text) + " by " + guwen::fuzz::hex(delimiter),
            std::to_string(expected.size()) + " pieces: " + joined(expected, " | "),
            std::to_string(actual.size()) + " pieces: " + joined(actual, " | "));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view whole = fuzz::bytesOf(data, size);
    checkSplit(whole, kLineBreak);

    const std::vector<std::string> lines = pieces(splitText(whole, kLineBreak));
    fuzz::expectSame("pieces joined = removeLineBreaks", removeLineBreaks(whole), joined(lines));
    const std::size_t firstBreak = findLineBreak(whole, 0);
    if (firstBreak == std::string_view::npos) {
        fuzz::expectTrue("no break: at most one piece, the whole text", lines.size() <= 1);
    } else {
        fuzz::expectTrue("the first piece ends at the first break",
                         !lines.empty() && lines.front().size() == firstBreak);
    }

    FuzzedDataProvider input(data, size);
    const std::string delimiter =
        input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 4));
    checkSplit(input.ConsumeRemainingBytesAsString(), delimiter);
    return 0;
}
