// Results past the size limit are refused before anything large is built,
// and results just inside it are still produced.
#include <gtest/gtest.h>

#include "layout/column_conversion.h"
#include "layout/line_decoration.h"
#include "layout/result_limit.h"
#include "layout/slanted_text.h"
#include "tests/common/gbk_literal.h"

namespace guwen {
namespace {

using testing::gbk;

GbkText repeated(const GbkText& unit, std::size_t count) {
    GbkText out;
    out.reserve(unit.size() * count);
    for (std::size_t i = 0; i < count; ++i) out += unit;
    return out;
}

TEST(ResultLimit, SlantedStopsWhereTheSquareOutgrowsTheLimit) {
    // n cells give n^2 + 3n - 2 bytes: 8190 fit in 64 MiB, 8191 do not.
    const std::optional<GbkText> inside = makeSlantedText(repeated(gbk("春"), 8190));
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->size(), 8190U * 8190U + 3U * 8190U - 2U);
    EXPECT_FALSE(makeSlantedText(repeated(gbk("春"), 8191)).has_value());
    EXPECT_FALSE(makeSlantedText(repeated(gbk("春"), 1U << 20U)).has_value());
}

TEST(ResultLimit, ColumnsRefuseMoreRowsThanTheBoxCanTakeIn) {
    const std::optional<GbkText> tallest =
        convertToColumns({gbk("春"), kMaxColumnRows, false, false, true});
    ASSERT_TRUE(tallest.has_value());
    EXPECT_EQ(tallest->size(), 4U * kMaxColumnRows);
    EXPECT_FALSE(convertToColumns({gbk("春"), kMaxColumnRows + 1, false, false, true}).has_value());
    EXPECT_FALSE(convertToColumns({gbk("春"), 2147483647, false, false, true}).has_value());
}

TEST(ResultLimit, ColumnsRefuseResultsOverTheByteLimit) {
    // With one character per column, n letters give a blank column, n
    // full-width cells and CR LF: 2n + 4 bytes, exactly the limit for this n.
    const std::size_t letters = kMaxResultBytes / 2 - 2;
    const std::optional<GbkText> largest =
        convertToColumns({GbkText(letters, 'a'), 1, false, false, true});
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->size(), kMaxResultBytes);
    EXPECT_FALSE(convertToColumns({GbkText(letters + 1, 'a'), 1, false, false, true}).has_value());
}

TEST(ResultLimit, RepeatedDecorationEndsInNoResult) {
    GbkText text = gbk("白日依山尽\r\n");
    int presses = 0;
    for (; presses < 40; ++presses) {
        const std::optional<GbkText> next = decorateLines(text, gbk("↑"));
        if (!next) break;
        ASSERT_LE(next->size(), kMaxResultBytes);
        text = *next;
    }
    EXPECT_LT(presses, 40);
    EXPECT_GT(text.size(), kMaxResultBytes / 4);
}

TEST(ResultLimit, LongSeparatorOnManyLinesIsRefused) {
    const GbkText manyLines = repeated("\r\n", 100000);
    EXPECT_FALSE(decorateLines(manyLines, GbkText(1000, '*')).has_value());
}

}  // namespace
}  // namespace guwen
