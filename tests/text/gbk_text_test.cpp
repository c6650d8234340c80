#include "text/gbk_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/common/case_name.h"
#include "tests/common/hex_bytes.h"

namespace guwen {
namespace {

using testing::hexBytes;
using testing::toHex;

const GbkText kBaiRi = hexBytes("B0 D7 C8 D5");  // 白日

TEST(BytePrimitives, LengthCountsBytesNotCharacters) {
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength(hexBytes("B0 D7 C8 D5 D2 C0") + "a"), 7);
}

struct SliceCase {
    const char* name;
    std::function<GbkText()> call;
    GbkText expected;
};

class Slicing : public ::testing::TestWithParam<SliceCase> {};

TEST_P(Slicing, GivesExactBytes) {
    EXPECT_EQ(toHex(GetParam().call()), toHex(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    BytePrimitives, Slicing,
    ::testing::Values(
        SliceCase{"left_zero_is_empty", [] { return leftBytes(kBaiRi, 0); }, ""},
        SliceCase{"left_negative_is_empty", [] { return leftBytes(kBaiRi, -3); }, ""},
        SliceCase{"left_beyond_length_is_all", [] { return leftBytes(kBaiRi, 99); }, kBaiRi},
        SliceCase{"left_cuts_a_character_in_half", [] { return leftBytes(kBaiRi, 3); },
                  hexBytes("B0 D7 C8")},
        SliceCase{"right_takes_a_single_trail_byte", [] { return rightBytes(kBaiRi, 1); },
                  hexBytes("D5")},
        SliceCase{"right_beyond_length_is_all", [] { return rightBytes(kBaiRi, 10); }, kBaiRi},
        SliceCase{"right_negative_is_empty", [] { return rightBytes(kBaiRi, -1); }, ""},
        SliceCase{"blank_zero_is_empty", [] { return blankText(0); }, ""},
        SliceCase{"blank_negative_is_empty", [] { return blankText(-1); }, ""},
        SliceCase{"blank_four_spaces", [] { return blankText(4); }, "    "},
        SliceCase{"concat_of_empties_is_empty",
                  [] {
                      return concatText({"", ""});
                  },
                  ""},
        SliceCase{"concat_skips_empty_operand",
                  [] {
                      return concatText({"ab", "", "\r\n"});
                  },
                  "ab\r\n"}),
    testing::CaseName{});

// One row per behaviour of a scanning primitive; input and expected output
// are hexadecimal so that dangling lead bytes and CR after a lead are visible.
struct ScanCase {
    const char* name;
    GbkText (*primitive)(std::string_view);
    const char* input;
    const char* expected;
};

class Scanning : public ::testing::TestWithParam<ScanCase> {};

TEST_P(Scanning, FollowsTheSteppingRule) {
    const ScanCase& c = GetParam();
    const GbkText input = hexBytes(c.input);
    EXPECT_EQ(toHex(c.primitive(input)), toHex(hexBytes(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    ScanningPrimitives, Scanning,
    ::testing::Values(
        ScanCase{"full_letter_space_and_controls", toFullWidth, "61 20 09 0D 0A",
                 "A3 E1 A1 A1 09 0D 0A"},
        ScanCase{"full_digit_comma_dollar", toFullWidth, "30 2C 24", "A3 B0 A3 AC A3 A4"},
        ScanCase{"full_tilde_goes_to_symbol_row", toFullWidth, "7E", "A1 AB"},
        ScanCase{"full_del_stays_one_byte", toFullWidth, "7F 1F", "7F 1F"},
        ScanCase{"full_two_byte_unit_hides_its_letter", toFullWidth, "B0 41", "B0 41"},
        ScanCase{"full_drops_dangling_lead", toFullWidth, "41 B0", "A3 C1"},
        ScanCase{"full_lead_0x80_and_0xFF_pair_up", toFullWidth, "80 20 FF 41 20",
                 "80 20 FF 41 A1 A1"},
        ScanCase{"half_comma", toHalfWidth, "A3 AC", "2C"},
        ScanCase{"half_black_and_white_star", toHalfWidth, "A1 EF A1 EE", "2A 2A"},
        ScanCase{"half_ideographic_comma_stays", toHalfWidth, "A1 A2", "A1 A2"},
        ScanCase{"half_space_tilde_macron", toHalfWidth, "A1 A1 A1 AB A3 FE", "20 7E 7E"},
        ScanCase{"half_edges_of_the_full_row_stay", toHalfWidth, "A3 A0 A3 FF", "A3 A0 A3 FF"},
        ScanCase{"half_drops_dangling_lead", toHalfWidth, "A3 C1 B0", "41"},
        ScanCase{"half_two_byte_unit_hides_its_letter", toHalfWidth, "B0 41", "B0 41"},
        ScanCase{"half_pairs_from_the_start_not_by_meaning", toHalfWidth, "41 A3 A3 C1", "41 23"},
        ScanCase{"spaces_both_widths_go", removeAllSpaces, "20 A1 A1 09 41", "09 41"},
        ScanCase{"spaces_trail_byte_0x20_stays", removeAllSpaces, "B0 20", "B0 20"},
        ScanCase{"spaces_drops_dangling_lead", removeAllSpaces, "41 20 B0", "41"},
        ScanCase{"breaks_two_pairs", removeLineBreaks, "61 0D 0A 0D 0A 62", "61 62"},
        ScanCase{"breaks_lone_cr_stays", removeLineBreaks, "61 0D 0D 62", "61 0D 0D 62"},
        ScanCase{"breaks_lf_before_pair", removeLineBreaks, "0A 0D 0A", "0A"},
        ScanCase{"breaks_cr_after_lead_is_a_trail", removeLineBreaks, "B0 0D 0A", "B0 0D 0A"},
        ScanCase{"breaks_keeps_dangling_lead", removeLineBreaks, "41 B0", "41 B0"},
        ScanCase{"breaks_pair_at_odd_position", removeLineBreaks, "41 0D 0A B0 D7", "41 B0 D7"}),
    testing::CaseName{});

TEST(ScanningPrimitives, FullThenHalfGivesOneByteTextBack) {
    std::string all;
    for (int b = 1; b < 0x80; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(toHalfWidth(toFullWidth(all)), all);
}

struct SplitCase {
    const char* name;
    const char* input;
    std::vector<const char*> pieces;
};

class Splitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Splitting, PiecesBetweenLineBreaks) {
    const SplitCase& c = GetParam();
    const TextList list = splitText(hexBytes(c.input), "\r\n");
    std::vector<std::string> got;
    for (std::int32_t i = 1; i <= list.count(); ++i) got.push_back(toHex(list.at(i)));
    std::vector<std::string> want;
    for (const char* piece : c.pieces) want.push_back(toHex(hexBytes(piece)));
    EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(
    SplitText, Splitting,
    ::testing::Values(SplitCase{"empty_gives_no_pieces", "", {}},
                      SplitCase{"no_delimiter", "61", {"61"}},
                      SplitCase{"trailing_delimiter_adds_nothing", "61 0D 0A", {"61"}},
                      SplitCase{"only_delimiter", "0D 0A", {""}},
                      SplitCase{"leading_delimiter", "0D 0A 61", {"", "61"}},
                      SplitCase{"adjacent_delimiters", "61 0D 0A 0D 0A 62", {"61", "", "62"}},
                      SplitCase{"two_trailing_delimiters", "61 0D 0A 0D 0A", {"61", ""}},
                      SplitCase{
                          "cr_after_lead_is_no_delimiter", "78 B0 0D 0A 79", {"78 B0 0D 0A 79"}},
                      SplitCase{"dangling_lead_stays_in_last_piece", "61 0D 0A B0", {"61", "B0"}}),
    testing::CaseName{});

TEST(SplitText, EmptyDelimiterGivesWholeText) {
    const TextList list = splitText("a\r\nb", "");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.at(1), "a\r\nb");
}

struct ParseCase {
    const char* name;
    GbkText text;
    std::int32_t value;
};

class Parsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parsing, ReadsTheLeadingNumber) {
    EXPECT_EQ(parseInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    ParseInteger, Parsing,
    ::testing::Values(ParseCase{"empty", "", 0}, ParseCase{"digits_then_letters", "12abc", 12},
                      ParseCase{"spaces_and_minus", "  -7", -7},
                      ParseCase{"full_width_digits", hexBytes("A3 B1 A3 B2"), 12},
                      ParseCase{"full_width_space_then_digit", hexBytes("A1 A1") + "5", 5},
                      ParseCase{"full_width_minus", hexBytes("A3 AD A3 B5"), -5},
                      ParseCase{"control_white_space_skipped", "\t\n\v\f\r 8", 8},
                      ParseCase{"decimal_point_stops", "3.9", 3},
                      ParseCase{"hex_prefix_stops", "0x1F", 0}, ParseCase{"two_signs", "+-5", 0},
                      ParseCase{"sign_then_space", "- 5", 0},
                      ParseCase{"lead_byte_is_no_space", hexBytes("B0 A1") + "5", 0},
                      ParseCase{"int_max", "2147483647", 2147483647},
                      ParseCase{"wraps_past_int_max", "2147483648", -2147483647 - 1},
                      ParseCase{"wraps_modulo_2_32", "4294967301", 5},
                      ParseCase{"negative_int_min", "-2147483648", -2147483647 - 1},
                      ParseCase{"long_run_of_digits_wraps", "99999999999999999999", 1661992959}),
    testing::CaseName{});

TEST(TextListTest, FixedSizeIndexedFromOne) {
    TextList list(3);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(1), "");
    list.set(3, "x");
    EXPECT_EQ(list.at(3), "x");
    EXPECT_THROW(static_cast<void>(list.at(0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(list.at(4)), std::out_of_range);
    EXPECT_EQ(TextList(-2).count(), 0);
}

}  // namespace
}  // namespace guwen
