// The scanning primitives skip runs eight bytes at a time; these compare them
// with the plain unit-by-unit versions the fuzz targets also use, on seeded
// random texts long enough to exercise the runs and their edges.
#include <gtest/gtest.h>

#include "fuzz/plain_text.h"
#include "tests/common/hex_bytes.h"
#include "tests/layout/random_text.h"
#include "text/gbk_text.h"

namespace guwen {
namespace {

using testing::toHex;

TEST(ScanningAgainstPlainVersions, RandomTexts) {
    testing::RandomText random(7);
    for (int round = 0; round < 5000; ++round) {
        const GbkText text = random.text(60);
        ASSERT_EQ(toHex(toHalfWidth(text)), toHex(plain::halfWidth(text))) << toHex(text);
        ASSERT_EQ(toHex(toFullWidth(text)), toHex(plain::fullWidth(text))) << toHex(text);
        ASSERT_EQ(toHex(removeLineBreaks(text)), toHex(plain::removeLineBreaks(text)))
            << toHex(text);
        ASSERT_EQ(toHex(removeAllSpaces(text)), toHex(plain::removeSpaces(text))) << toHex(text);
        const TextList list = splitText(text, "\r\n");
        std::vector<std::string> pieces;
        for (std::int32_t k = 1; k <= list.count(); ++k) pieces.push_back(toHex(list.at(k)));
        std::vector<std::string> expected;
        for (const std::string& piece : plain::split(text, "\r\n"))
            expected.push_back(toHex(piece));
        ASSERT_EQ(pieces, expected) << toHex(text);
    }
}

}  // namespace
}  // namespace guwen
