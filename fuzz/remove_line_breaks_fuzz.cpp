// removeLineBreaks against the plain version: only whole CR LF pairs that
// begin at a unit boundary go, so the result is shorter by an even count.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/gbk_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view text = fuzz::bytesOf(data, size);
    const GbkText removed = removeLineBreaks(text);
    fuzz::expectSame("removeLineBreaks", plain::removeLineBreaks(text), removed);
    fuzz::expectTrue("removes whole pairs only", (text.size() - removed.size()) % 2 == 0);
    return 0;
}
