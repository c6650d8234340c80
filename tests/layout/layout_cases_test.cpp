// Hand-picked cases of the three layouts: the worked examples and the odd
// byte-level behaviours users actually meet.
#include <gtest/gtest.h>

#include <optional>

#include "layout/column_conversion.h"
#include "layout/line_decoration.h"
#include "layout/slanted_text.h"
#include "tests/common/case_name.h"
#include "tests/common/gbk_literal.h"
#include "tests/common/hex_bytes.h"

namespace guwen {
namespace {

using testing::gbk;
using testing::hexBytes;
using testing::toHex;

std::string show(const std::optional<GbkText>& text) {
    return text ? toHex(*text) : std::string("<no result>");
}

struct ColumnCase {
    const char* name;
    GbkText source;
    std::int32_t perColumn;
    bool traditional;
    bool removeSpaces;
    bool fullWidth;
    std::optional<GbkText> expected;
};

class Columns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(Columns, LaysOutRightToLeft) {
    const ColumnCase& c = GetParam();
    const ConversionOptions options{c.source, c.perColumn, c.traditional, c.removeSpaces,
                                    c.fullWidth};
    EXPECT_EQ(show(convertToColumns(options)), show(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    ConvertToColumns, Columns,
    ::testing::Values(
        ColumnCase{"seven_characters_two_columns", gbk("白日依山尽黄河"), 5, false, false, true,
                   gbk("黄白\r\n河日\r\n  依\r\n  山\r\n  尽\r\n")},
        ColumnCase{"exact_multiple_adds_a_blank_column", gbk("白日依山尽黄河入海流"), 5, false,
                   false, true, gbk("  黄白\r\n  河日\r\n  入依\r\n  海山\r\n  流尽\r\n")},
        ColumnCase{"one_over_starts_a_third_column", gbk("白日依山尽黄河入海流欲"), 5, false, false,
                   true, gbk("欲黄白\r\n  河日\r\n  入依\r\n  海山\r\n  流尽\r\n")},
        ColumnCase{"single_character", gbk("春"), 5, false, false, true,
                   gbk("春\r\n  \r\n  \r\n  \r\n  \r\n")},
        ColumnCase{"lines_run_on", gbk("白日\r\n依山"), 5, false, false, true,
                   gbk("白\r\n日\r\n依\r\n山\r\n  \r\n")},
        ColumnCase{"only_line_breaks", "\r\n\r\n", 3, false, false, true, "  \r\n  \r\n  \r\n"},
        ColumnCase{"spaces_removed_leave_filler", "   ", 2, false, true, true, "  \r\n  \r\n"},
        ColumnCase{"spaces_kept_as_ideographic", "  ", 2, false, false, true,
                   gbk("  　\r\n  　\r\n")},
        ColumnCase{"spaces_kept_then_half_width", "  ", 2, false, false, false, "   \r\n   \r\n"},
        ColumnCase{"letters_full_width", "ab", 1, false, false, true, gbk("  ｂａ\r\n")},
        ColumnCase{"letters_half_width_rows_narrower", "ab", 1, false, false, false, "  ba\r\n"},
        ColumnCase{"one_per_column_reverses", gbk("一二三"), 1, false, false, true,
                   gbk("  三二一\r\n")},
        ColumnCase{"more_per_column_than_characters", gbk("一二"), 4, false, false, true,
                   gbk("一\r\n二\r\n  \r\n  \r\n")},
        ColumnCase{"traditional_before_cutting", gbk("简体国"), 3, true, false, true,
                   gbk("  簡\r\n  體\r\n  國\r\n")},
        ColumnCase{"source_full_width_forms_go_half", gbk("，★"), 2, false, false, false,
                   "  ,\r\n  *\r\n"},
        // A tab survives preparation as one byte and shifts the two-byte grid:
        // the second column starts on the trail byte of 日.
        ColumnCase{"tab_shifts_the_grid", "\t" + gbk("白日"), 2, false, false, true,
                   hexBytes("D5 09 B0 0D 0A 20 20 D7 C8 0D 0A")},
        ColumnCase{"empty_source_no_result", "", 5, false, false, true, std::nullopt},
        ColumnCase{"zero_per_column_no_result", gbk("春"), 0, false, false, true, std::nullopt},
        ColumnCase{"negative_per_column_no_result", gbk("春"), -5, false, false, true,
                   std::nullopt},
        ColumnCase{"two_billion_rows_no_result", gbk("春"), 2147483647, false, false, true,
                   std::nullopt}),
    testing::CaseName{});

struct SlantCase {
    const char* name;
    GbkText source;
    std::optional<GbkText> expected;
};

class Slanted : public ::testing::TestWithParam<SlantCase> {};

TEST_P(Slanted, IndentsTwoBytesPerLine) {
    EXPECT_EQ(show(makeSlantedText(GetParam().source)), show(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    MakeSlantedText, Slanted,
    ::testing::Values(SlantCase{"three_characters", gbk("一二三"), gbk("一\r\n  二\r\n    三")},
                      SlantCase{"space_gets_a_line", "a b", gbk("ａ\r\n  　\r\n    ｂ")},
                      SlantCase{"lines_run_on", gbk("一\r\n二"), gbk("一\r\n  二")},
                      SlantCase{"only_line_breaks_give_empty_text", "\r\n\r\n", GbkText{}},
                      SlantCase{"tab_pairs_with_next_lead", "\t" + gbk("一"), hexBytes("09 D2")},
                      SlantCase{"empty_source_no_result", "", std::nullopt}),
    testing::CaseName{});

struct DecorationCase {
    const char* name;
    GbkText text;
    GbkText separator;
    std::optional<GbkText> expected;
};

class Decoration : public ::testing::TestWithParam<DecorationCase> {};

TEST_P(Decoration, SeparatesEveryCell) {
    const DecorationCase& c = GetParam();
    EXPECT_EQ(show(decorateLines(c.text, c.separator)), show(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    DecorateLines, Decoration,
    ::testing::Values(
        DecorationCase{"two_characters", gbk("白日\r\n"), gbk("↑"), gbk("↑白↑日↑\r\n")},
        DecorationCase{"filler_cell_is_one_cell", gbk("  春"), gbk("↑"), gbk("↑  ↑春↑\r\n")},
        DecorationCase{"empty_line_in_the_middle", gbk("一\r\n\r\n二"), gbk("¤"),
                       gbk("¤一¤\r\n¤\r\n¤二¤\r\n")},
        DecorationCase{"odd_byte_shifts_later_cells", "a" + gbk("白"), "|",
                       "|a" + hexBytes("B0") + "|\r\n"},
        DecorationCase{"long_separator_inserted_whole", gbk("春"), gbk("〓〓"),
                       gbk("〓〓春〓〓\r\n")},
        DecorationCase{"empty_input_gives_empty_text", "", gbk("↑"), GbkText{}},
        DecorationCase{"empty_separator_no_result", gbk("春"), "", std::nullopt}),
    testing::CaseName{});

TEST(DecorateLines, SecondPassDecoratesTheFirstPassSeparators) {
    const GbkText once = *decorateLines(gbk("春"), gbk("↑"));
    EXPECT_EQ(*decorateLines(once, gbk("↑")), gbk("↑↑↑春↑↑↑\r\n"));
}

}  // namespace
}  // namespace guwen
