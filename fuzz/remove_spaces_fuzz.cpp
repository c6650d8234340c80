// removeAllSpaces against the plain version. It drops whole units only, so
// the units after a dropped one keep their boundaries and a second pass
// finds nothing more to drop.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "fuzz/plain_text.h"
#include "text/gbk_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace guwen;
    const std::string_view text = fuzz::bytesOf(data, size);
    const GbkText once = removeAllSpaces(text);
    fuzz::expectSame("removeAllSpaces", plain::removeSpaces(text), once);
    fuzz::expectSame("removeAllSpaces twice", once, removeAllSpaces(once));
    return 0;
}
