// toFullWidth against the plain version. Full width keeps every unit where it
// begins, so mapping its result back to half width must give what half width
// gives for the source itself.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/gbk_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view text = fuzz::bytesOf(data, size);
    const GbkText full = toFullWidth(text);
    fuzz::expectSame("toFullWidth", plain::fullWidth(text), full);
    fuzz::expectSame("toHalfWidth(toFullWidth(t)) = toHalfWidth(t)", toHalfWidth(text),
                     toHalfWidth(full));
    return 0;
}
