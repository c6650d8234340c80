#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tests/common/case_name.h"
#include "tests/common/hex_bytes.h"
#include "text/traditional.h"

namespace guwen {
namespace {

using testing::hexBytes;
using testing::toHex;

constexpr unsigned leadOf(unsigned code) { return code >> 8U; }
constexpr unsigned trailOf(unsigned code) { return code & 0xFFU; }

// The code a cell holds, lead byte first.
unsigned cellCode(unsigned code) {
    const auto row = static_cast<std::size_t>(leadOf(code)) - std::size_t{kTableLeadFirst};
    const auto index = static_cast<std::size_t>(tableCellIndex(trailOf(code)));
    const TableCell& cell = traditionalTable.at(row).at(index);
    return static_cast<unsigned>(cell[0]) << 8U | cell[1];
}

std::vector<unsigned> allCellCodes() {
    std::vector<unsigned> codes;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F) codes.push_back(lead << 8U | trail);
        }
    }
    return codes;
}

GbkText textOf(const std::vector<unsigned>& codes) {
    GbkText text;
    for (const unsigned code : codes) {
        text.push_back(static_cast<char>(leadOf(code)));
        text.push_back(static_cast<char>(trailOf(code)));
    }
    return text;
}

// Code page 936 ideographs: GB 2312's (D7FA..D7FE are empty) and the two GBK
// extension blocks, without the compatibility ideographs at FD9C..FDA0 and
// FE40..FE4F and the non-ideograph rest of row FE.
bool isGbkIdeograph(unsigned code) {
    const unsigned lead = leadOf(code);
    const unsigned trail = trailOf(code);
    if (trail == 0x7F) return false;
    if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE) {
        return !(lead == 0xD7 && trail >= 0xFA);
    }
    if (lead >= 0x81 && lead <= 0xA0) return trail >= 0x40 && trail <= 0xFE;
    if (lead >= 0xAA && lead <= 0xFE && trail >= 0x40 && trail <= 0xA0) {
        return !(code >= 0xFD9C && code <= 0xFDA0) && code < 0xFE40;
    }
    return false;
}

bool isCornerBracket(unsigned code) { return code >= 0xA1B8 && code <= 0xA1BB; }

struct NamedRow {
    unsigned source;
    unsigned target;
    const char* label;
};

// Readable parameters in test listings and failure messages.
void PrintTo(const NamedRow& row, std::ostream* out) {
    *out << row.label << " (" << std::hex << row.source << " -> " << row.target << ')';
}

std::string rowName(const ::testing::TestParamInfo<NamedRow>& info) {
    const std::string hex = toHex(textOf({info.param.source}));
    return "from_" + hex.substr(0, 2) + hex.substr(3, 2);
}

class NamedRowTest : public ::testing::TestWithParam<NamedRow> {};

TEST_P(NamedRowTest, CellHoldsTheTargetAndTheTextIsRewritten) {
    const NamedRow& row = GetParam();
    EXPECT_EQ(cellCode(row.source), row.target) << row.label;
    EXPECT_EQ(toHex(toTraditional(textOf({row.source}))), toHex(textOf({row.target}))) << row.label;
}

const NamedRow kTellingRows[] = {
    {0xBCF2, 0xBA86, "简 簡"},
    {0xCCE5, 0xF377, "体 體"},
    {0xB9FA, 0x87F8, "国 國"},
    {0xB7A2, 0xB06C, "发 發"},
    {0xBAF3, 0xE1E1, "后 後, a target inside GB 2312"},
    {0xB8C9, 0xC7AC, "干 乾, a target inside GB 2312"},
    {0xC0EF, 0xD165, "里 裡"},
    {0xCCA8, 0xC55F, "台 臺"},
    {0xB2C5, 0xC075, "才 纔"},
    {0xD7C5, 0xD6F8, "着 著, a target inside GB 2312"},
    {0xD3E0, 0xF04E, "余 餘"},
    {0xE2C5, 0xF04E, "馀 餘, second source of the same target"},
    {0xC3E6, 0xC3E6, "面 stays"},
    {0x87F8, 0x87F8, "國 stays: traditional input"},
    {0x818F, 0x87BE, "亸 嚲, a source outside GB 2312"},
    {0x8746, 0xBAF4, "嘑 呼, a variant form to the common form"},
    {0xA1AE, 0xA1B8, "‘ 「"},
    {0xA1AF, 0xA1B9, "’ 」"},
    {0xA1B0, 0xA1BA, "“ 『"},
    {0xA1B1, 0xA1BB, "” 』"},
};
INSTANTIATE_TEST_SUITE_P(Telling, NamedRowTest, ::testing::ValuesIn(kTellingRows), rowName);

const NamedRow kVariantRows[] = {
    {0x81DD, 0xBBB2, "佪 徊"}, {0x8746, 0xBAF4, "嘑 呼"}, {0x999E, 0xB5CA, "櫈 凳"},
    {0xB670, 0xBEAC, "秔 粳"}, {0xB74D, 0xBDD5, "稭 秸"}, {0xBB7A, 0xEFF5, "粃 秕"},
    {0xBE8B, 0xF1D9, "緥 褓"}, {0xD88E, 0xE2B5, "貛 獾"}, {0xF382, 0xF7D5, "髠 髡"},
};
INSTANTIATE_TEST_SUITE_P(VariantToCommonForm, NamedRowTest, ::testing::ValuesIn(kVariantRows),
                         rowName);

const NamedRow kWithinGb2312Rows[] = {
    {0xB3C1, 0xC9F2, "沉 沈"}, {0xB8C9, 0xC7AC, "干 乾"}, {0xBAF3, 0xE1E1, "后 後"},
    {0xD3DA, 0xECB6, "于 於"}, {0xD7C5, 0xD6F8, "着 著"}, {0xD9DB, 0xD9E0, "氽 汆"},
    {0xDFE5, 0xDFB8, "咤 吒"}, {0xE0E8, 0xC5FC, "噼 劈"},
};
INSTANTIATE_TEST_SUITE_P(WithinGb2312, NamedRowTest, ::testing::ValuesIn(kWithinGb2312Rows),
                         rowName);

// Where a simplified character stands for several traditional ones, or a
// traditional one has several forms, the form the table gives.
const NamedRow kChosenForms[] = {
    {0xCEAA, 0x9EE9, "为 為"}, {0xD6DA, 0xB18A, "众 眾"}, {0xB2FA, 0xAE61, "产 產"},
    {0xCEB1, 0x82CE, "伪 偽"}, {0xC6F4, 0x86A2, "启 啟"}, {0xCCBE, 0x8740, "叹 嘆"},
    {0xB8B4, 0x8FCD, "复 復"}, {0xC0FA, 0x9A76, "历 歷"}, {0xD6D3, 0xE652, "钟 鍾"},
    {0xB3E5, 0x9B5F, "冲 沖"}, {0xBCB8, 0x8ED7, "几 幾"}, {0xB5B1, 0xAE94, "当 當"},
    {0xB2A2, 0x814B, "并 並"}, {0xBBE3, 0x8552, "汇 匯"}, {0xBBF1, 0xAB40, "获 獲"},
    {0xBEA1, 0xB14D, "尽 盡"}, {0xD4C6, 0xEB85, "云 雲"}, {0xD0EB, 0xED9A, "须 須"},
    {0xCDC5, 0x8846, "团 團"}, {0xCCB3, 0x89AF, "坛 壇"}, {0xCAAC, 0x8CC6, "尸 屍"},
    {0xC3B4, 0xFC4E, "么 麼"}, {0xBDDC, 0x82DC, "杰 傑"}, {0xC6CD, 0x8357, "仆 僕"},
    {0xD5BC, 0x81D7, "占 佔"}, {0xC9E1, 0x92CE, "舍 捨"}, {0xC9FD, 0x954E, "升 昇"},
    {0xD4FA, 0xBC99, "扎 紮"}, {0xD6A2, 0xB059, "症 癥"}, {0xC7A9, 0xBA9E, "签 簽"},
    {0xCFCB, 0xC077, "纤 纖"}, {0xB1F0, 0x8465, "别 別"}, {0xBEDD, 0x93FE, "据 據"},
};
INSTANTIATE_TEST_SUITE_P(ChosenForm, NamedRowTest, ::testing::ValuesIn(kChosenForms), rowName);

const NamedRow kTwoSourceRows[] = {
    {0xD3E0, 0xF04E, "余 餘"}, {0xE2C5, 0xF04E, "馀 餘"}, {0xD7C9, 0xD64A, "咨 諮"},
    {0xDAD1, 0xD64A, "谘 諮"}, {0xF6D3, 0xF654, "鲇 鯰"}, {0xF6F3, 0xF654, "鲶 鯰"},
};
INSTANTIATE_TEST_SUITE_P(TwoSourceTarget, NamedRowTest, ::testing::ValuesIn(kTwoSourceRows),
                         rowName);

// Characters that in simplified text also stand for other traditional
// characters, and punctuation and full-width forms other than the quotes.
const NamedRow kUnchanged[] = {
    {0xC3E6, 0xC3E6, "面"}, {0xD6BB, 0xD6BB, "只"}, {0xCFB5, 0xCFB5, "系"}, {0xCBC9, 0xCBC9, "松"},
    {0xB9C8, 0xB9C8, "谷"}, {0xB7B6, 0xB7B6, "范"}, {0xB1ED, 0xB1ED, "表"}, {0xB6B7, 0xB6B7, "斗"},
    {0xB3F3, 0xB3F3, "丑"}, {0xB3F6, 0xB3F6, "出"}, {0xD6C6, 0xD6C6, "制"}, {0xD7BC, 0xD7BC, "准"},
    {0xD6C2, 0xD6C2, "致"}, {0xD5F7, 0xD5F7, "征"}, {0xCFF2, 0xCFF2, "向"}, {0xBBD8, 0xBBD8, "回"},
    {0xC0A7, 0xC0A7, "困"}, {0xD0D7, 0xD0D7, "凶"}, {0xC6D3, 0xC6D3, "朴"}, {0xB2C9, 0xB2C9, "采"},
    {0xD4C0, 0xD4C0, "岳"}, {0xBCD2, 0xBCD2, "家"}, {0xD3F9, 0xD3F9, "御"}, {0xBDE8, 0xBDE8, "借"},
    {0xD5DB, 0xD5DB, "折"}, {0xBEED, 0xBEED, "卷"}, {0xC3C9, 0xC3C9, "蒙"}, {0xCFCC, 0xCFCC, "咸"},
    {0xBDAA, 0xBDAA, "姜"}, {0xD3F5, 0xD3F5, "吁"}, {0xBAFA, 0xBAFA, "胡"}, {0xD3CE, 0xD3CE, "游"},
    {0xC7EF, 0xC7EF, "秋"}, {0xB2BC, 0xB2BC, "布"}, {0xD6DC, 0xD6DC, "周"}, {0xC1CB, 0xC1CB, "了"},
    {0xBFCB, 0xBFCB, "克"}, {0xC3EF, 0xC3EF, "蔑"}, {0xC3B9, 0xC3B9, "霉"}, {0xD3FB, 0xD3FB, "欲"},
    {0xD3F4, 0xD3F4, "郁"}, {0xD7A2, 0xD7A2, "注"}, {0xBBEF, 0xBBEF, "伙"}, {0xA1B6, 0xA1B6, "《"},
    {0xA1B7, 0xA1B7, "》"}, {0xA1A2, 0xA1A2, "、"}, {0xA1A3, 0xA1A3, "。"}, {0xA3C1, 0xA3C1, "Ａ"},
    {0xA3B1, 0xA3B1, "１"},
};
INSTANTIATE_TEST_SUITE_P(Unchanged, NamedRowTest, ::testing::ValuesIn(kUnchanged), rowName);

// Properties of the whole table, over all 23,940 cells.

TEST(TraditionalTable, EveryTargetMapsToItself) {
    for (const unsigned code : allCellCodes()) {
        const unsigned target = cellCode(code);
        ASSERT_TRUE(hasTableCell(leadOf(target), trailOf(target))) << std::hex << code;
        EXPECT_EQ(cellCode(target), target) << std::hex << code << " -> " << target;
    }
    const GbkText once = toTraditional(textOf(allCellCodes()));
    EXPECT_EQ(toTraditional(once), once);
}

TEST(TraditionalTable, OneSourcePerTargetExceptThreeTargets) {
    std::map<unsigned, std::vector<unsigned>> sourcesOf;
    for (const unsigned code : allCellCodes()) {
        if (cellCode(code) != code) sourcesOf[cellCode(code)].push_back(code);
    }
    const std::map<unsigned, std::vector<unsigned>> twoSources = {
        {0xF04E, {0xD3E0, 0xE2C5}},  // 余 馀 -> 餘
        {0xD64A, {0xD7C9, 0xDAD1}},  // 咨 谘 -> 諮
        {0xF654, {0xF6D3, 0xF6F3}},  // 鲇 鲶 -> 鯰
    };
    for (const auto& [target, sources] : sourcesOf) {
        const auto expected = twoSources.find(target);
        if (expected != twoSources.end()) {
            EXPECT_EQ(sources, expected->second) << std::hex << target;
        } else {
            EXPECT_EQ(sources.size(), 1U) << std::hex << target << " first from " << sources[0];
        }
    }
}

TEST(TraditionalTable, EveryReplacementIsAnIdeographOrCornerBracket) {
    for (const unsigned code : allCellCodes()) {
        const unsigned target = cellCode(code);
        if (target == code) continue;
        EXPECT_TRUE(isGbkIdeograph(target) || isCornerBracket(target))
            << std::hex << code << " -> " << target;
        EXPECT_TRUE(isGbkIdeograph(code) || (code >= 0xA1AE && code <= 0xA1B1)) << std::hex << code;
    }
}

enum class Area { Gb2312, Extension81ToA0, ExtensionAAToFE, Symbols, Elsewhere };

Area areaOf(unsigned code) {
    const unsigned lead = leadOf(code);
    const unsigned trail = trailOf(code);
    if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1) return Area::Gb2312;
    if (lead <= 0xA0) return Area::Extension81ToA0;
    if (lead >= 0xAA && trail <= 0xA0) return Area::ExtensionAAToFE;
    if (lead == 0xA1) return Area::Symbols;
    return Area::Elsewhere;
}

TEST(TraditionalTable, ReplacingCellsPerArea) {
    std::map<Area, int> counts;
    for (const unsigned code : allCellCodes()) {
        if (cellCode(code) != code) ++counts[areaOf(code)];
    }
    EXPECT_EQ(counts[Area::Gb2312], 2279);
    // 47 are intended here; the public data sets cover 37 of them, see
    // tools/gen_traditional_table.py.
    EXPECT_EQ(counts[Area::Extension81ToA0], 37);
    EXPECT_EQ(counts[Area::ExtensionAAToFE], 186);
    EXPECT_EQ(counts[Area::Symbols], 4);
    EXPECT_EQ(counts[Area::Elsewhere], 0);
}

// The cell for (lead, trail) sits at byte 380 * (lead - 0x81) + 2 * index,
// so a cell is found by arithmetic alone.
TEST(TraditionalTable, CellsSitAtTheirByteOffsets) {
    static_assert(sizeof(TraditionalTable) == 47880);
    const auto bytes = std::as_bytes(std::span(traditionalTable));
    for (const unsigned code : allCellCodes()) {
        const std::size_t row = leadOf(code) - 0x81U;
        const auto index = static_cast<std::size_t>(tableCellIndex(trailOf(code)));
        const std::size_t offset = 380 * row + 2 * index;
        const unsigned stored = std::to_integer<unsigned>(bytes[offset]) << 8U |
                                std::to_integer<unsigned>(bytes[offset + 1]);
        ASSERT_EQ(stored, cellCode(code)) << std::hex << code;
    }
}

TEST(TraditionalTable, TextOfAllCellsBecomesTheCellsInOrder) {
    const std::vector<unsigned> codes = allCellCodes();
    std::vector<unsigned> targets;
    targets.reserve(codes.size());
    for (const unsigned code : codes) targets.push_back(cellCode(code));
    const GbkText source = textOf(codes);
    const GbkText result = toTraditional(source);
    EXPECT_EQ(result.size(), source.size());
    EXPECT_EQ(result, textOf(targets));
}

struct CellIndexCase {
    unsigned lead;
    unsigned trail;
    bool hasCell;
    int index;
};

void PrintTo(const CellIndexCase& c, std::ostream* out) {
    *out << std::hex << c.lead << ' ' << c.trail;
}

class CellIndexTest : public ::testing::TestWithParam<CellIndexCase> {};

TEST_P(CellIndexTest, BoundaryBytes) {
    const CellIndexCase& c = GetParam();
    EXPECT_EQ(hasTableCell(c.lead, c.trail), c.hasCell) << std::hex << c.lead << ' ' << c.trail;
    if (c.hasCell) {
        EXPECT_EQ(tableCellIndex(c.trail), c.index);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TraditionalTable, CellIndexTest,
    ::testing::Values(CellIndexCase{0x81, 0x40, true, 0}, CellIndexCase{0x81, 0x7E, true, 62},
                      CellIndexCase{0x81, 0x80, true, 63}, CellIndexCase{0xFE, 0xFE, true, 189},
                      CellIndexCase{0x81, 0x3F, false, 0}, CellIndexCase{0x81, 0x7F, false, 0},
                      CellIndexCase{0x81, 0xFF, false, 0}, CellIndexCase{0x80, 0x40, false, 0},
                      CellIndexCase{0xFF, 0x40, false, 0}));

// The walk over whole texts: pairs strictly from the start, never
// re-synchronising, and never reading past the end.

struct WalkCase {
    const char* name;
    const char* input;  // hex bytes
    const char* expected;
};

void PrintTo(const WalkCase& c, std::ostream* out) { *out << c.input; }

class ToTraditionalWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(ToTraditionalWalkTest, Rewrites) {
    const WalkCase& c = GetParam();
    const GbkText input = hexBytes(c.input);
    const GbkText result = toTraditional(input);
    EXPECT_EQ(toHex(result), c.expected);
    EXPECT_EQ(result.size(), input.size());
}

const WalkCase kWalkCases[] = {
    {"empty", "", ""},
    {"simplified_word", "BC F2 CC E5", "BA 86 F3 77"},
    {"one_byte_text_with_cr_lf", "48 69 2C 20 09 31 32 0D 0A 7E", "48 69 2C 20 09 31 32 0D 0A 7E"},
    {"one_byte_characters_around", "41 B9 FA 31", "41 87 F8 31"},
    {"traditional_input_stays", "87 F8 BA 86 F3 77", "87 F8 BA 86 F3 77"},
    {"curved_quotes", "A1 AE A1 AF A1 B0 A1 B1", "A1 B8 A1 B9 A1 BA A1 BB"},
    {"other_punctuation_and_full_width_stay", "A1 B6 A1 B7 A1 A2 A1 A3 A3 C1 A3 B1",
     "A1 B6 A1 B7 A1 A2 A1 A3 A3 C1 A3 B1"},
    {"two_sources_one_target", "D3 E0 E2 C5", "F0 4E F0 4E"},
    {"gan_and_mian", "B8 C9 C3 E6", "C7 AC C3 E6"},
    {"lone_lead_at_end", "B9 FA B0", "87 F8 B0"},
    {"lone_lead_only", "B9", "B9"},
    {"lone_lead_after_one_byte", "41 B9", "41 B9"},
    {"lead_then_byte_below_0x40", "B9 20 B9 FA", "B9 20 87 F8"},
    {"lead_then_0x7F", "B9 7F B9 FA", "B9 7F 87 F8"},
    {"lead_then_0xFF", "B9 FF B9 FA", "B9 FF 87 F8"},
    {"lead_0xFF_takes_its_partner", "FF B9 FA", "FF B9 FA"},
    {"lead_0x80_takes_its_partner", "80 B9 FA", "80 B9 FA"},
    {"guo_alone", "B9 FA", "87 F8"},
    {"pairs_from_the_start_not_resynchronised", "B9 B9 FA", "98 8B FA"},
};

INSTANTIATE_TEST_SUITE_P(ToTraditional, ToTraditionalWalkTest, ::testing::ValuesIn(kWalkCases),
                         testing::CaseName());

// The walk exactly as the byte rule states it, one position at a time, for
// comparison with toTraditional, which may take several bytes at once.
GbkText referenceWalk(std::string_view text) {
    GbkText out(text);
    std::size_t i = 0;
    while (i < out.size()) {
        const auto lead = static_cast<unsigned char>(out[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 == out.size()) break;
        const auto trail = static_cast<unsigned char>(out[i + 1]);
        if (hasTableCell(lead, trail)) {
            const unsigned target = cellCode(static_cast<unsigned>(lead) << 8U | trail);
            out[i] = static_cast<char>(leadOf(target));
            out[i + 1] = static_cast<char>(trailOf(target));
        }
        i += 2;
    }
    return out;
}

// Texts of every length up to several 8-byte blocks, drawn from the bytes
// that steer the walk: one-byte characters, leads without a cell (0x80,
// 0xFF), trails outside the cells (below 0x40, 0x7F, 0xFF) and characters
// that are replaced.
TEST(ToTraditional, AgreesWithTheByteByByteWalkOnMixedTexts) {
    static constexpr std::array<unsigned char, 18> kBytes = {0x0D, 0x0A, 0x20, 0x41, 0x3F, 0x40,
                                                             0x7F, 0x80, 0xFF, 0xB9, 0xFA, 0xBC,
                                                             0xF2, 0xA1, 0xB0, 0x87, 0xF8, 0xCC};
    std::mt19937 random(20240611U);
    std::uniform_int_distribution<std::size_t> pick(0, kBytes.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    for (int round = 0; round < 3000; ++round) {
        GbkText text;
        const std::size_t n = length(random);
        for (std::size_t k = 0; k < n; ++k)
            text.push_back(static_cast<char>(kBytes.at(pick(random))));
        ASSERT_EQ(toHex(toTraditional(text)), toHex(referenceWalk(text))) << toHex(text);
    }
}

}  // namespace
}  // namespace guwen
