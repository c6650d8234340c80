// toHalfWidth against the plain version; it never makes a text longer.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/gbk_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view text = fuzz::bytesOf(data, size);
    const GbkText half = toHalfWidth(text);
    fuzz::expectSame("toHalfWidth", plain::halfWidth(text), half);
    fuzz::expectTrue("toHalfWidth never grows", half.size() <= text.size());
    return 0;
}
