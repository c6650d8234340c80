// The fast layouts against the literal step-by-step versions on seeded random
// inputs. A mismatch prints the seed and the input bytes.
#include <gtest/gtest.h>

#include "layout/column_conversion.h"
#include "layout/column_source.h"
#include "layout/line_decoration.h"
#include "layout/slanted_text.h"
#include "tests/common/hex_bytes.h"
#include "tests/layout/literal_reference.h"
#include "tests/layout/random_text.h"
#include "text/traditional.h"

namespace guwen {
namespace {

using testing::RandomText;
using testing::toHex;

constexpr int kRounds = 3000;
constexpr std::uint32_t kSeed = 20261211;

std::string show(const std::optional<GbkText>& text) {
    return text ? toHex(*text) : std::string("<no result>");
}

TEST(AgainstLiteralReference, ConvertToColumns) {
    RandomText random(kSeed);
    for (int round = 0; round < kRounds; ++round) {
        ConversionOptions options;
        options.source = random.text(30);
        options.charsPerColumn =
            random.uniform(0, 3) == 0 ? random.uniform(-2, 40) : random.uniform(1, 6);
        options.traditional = random.uniform(0, 1) == 1;
        options.removeSpaces = random.uniform(0, 1) == 1;
        options.fullWidth = random.uniform(0, 1) == 1;
        ASSERT_EQ(show(convertToColumns(options)), show(reference::convertToColumns(options)))
            << "round " << round << " source " << toHex(options.source) << " P "
            << options.charsPerColumn << " trad " << options.traditional << " spaces "
            << options.removeSpaces << " full " << options.fullWidth;
    }
}

TEST(AgainstLiteralReference, MakeSlantedText) {
    RandomText random(kSeed + 1);
    for (int round = 0; round < kRounds; ++round) {
        const GbkText source = random.text(40);
        ASSERT_EQ(show(makeSlantedText(source)), show(reference::makeSlantedText(source)))
            << "round " << round << " source " << toHex(source);
    }
}

TEST(AgainstLiteralReference, DecorateLines) {
    RandomText random(kSeed + 2);
    for (int round = 0; round < kRounds; ++round) {
        const GbkText text = random.text(40);
        const GbkText separator = random.text(3);
        ASSERT_EQ(show(decorateLines(text, separator)),
                  show(reference::decorateLines(text, separator)))
            << "round " << round << " text " << toHex(text) << " separator " << toHex(separator);
    }
}

// Decorating a layout of a layout: the real use, where inputs are the
// outputs of the other two layouts.
TEST(AgainstLiteralReference, DecorationOfLayouts) {
    RandomText random(kSeed + 3);
    for (int round = 0; round < kRounds / 3; ++round) {
        const GbkText source = random.text(20);
        const std::optional<GbkText> columns = convertToColumns(
            {source, random.uniform(1, 5), true, false, random.uniform(0, 1) == 1});
        const std::optional<GbkText> slanted = makeSlantedText(source);
        for (const auto& layout : {columns, slanted}) {
            if (!layout) continue;
            ASSERT_EQ(show(decorateLines(*layout, "\xA1\xFC")),
                      show(reference::decorateLines(*layout, "\xA1\xFC")))
                << "round " << round << " layout " << toHex(*layout);
        }
    }
}

}  // namespace
}  // namespace guwen

namespace guwen {
namespace {

// The one-pass preparation of the column layout against the primitives it
// stands for.
TEST(AgainstLiteralReference, ColumnPreparationEqualsThePrimitives) {
    testing::RandomText random(kSeed + 4);
    for (int round = 0; round < kRounds; ++round) {
        const GbkText source = random.text(40);
        const bool traditional = random.uniform(0, 1) == 1;
        const bool removeSpaces = random.uniform(0, 1) == 1;
        GbkText expected =
            removeLineBreaks(toFullWidth(traditional ? toTraditional(source) : source));
        if (removeSpaces) expected = removeAllSpaces(expected);
        ASSERT_EQ(toHex(prepareColumnSource(source, traditional, removeSpaces).view()),
                  toHex(expected))
            << "round " << round << " source " << toHex(source);
    }
}

}  // namespace
}  // namespace guwen
