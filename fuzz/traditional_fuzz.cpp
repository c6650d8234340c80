// toTraditional against a plain walk over the table: the same length, every
// character in its place, and a text already mapped stays as it is.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/traditional.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view text = fuzz::bytesOf(data, size);
    const GbkText mapped = toTraditional(text);
    fuzz::expectSame("toTraditional", plain::traditional(text), mapped);
    fuzz::expectTrue("toTraditional keeps the length", mapped.size() == text.size());
    fuzz::expectSame("toTraditional of its own result", mapped, toTraditional(mapped));
    return 0;
}
