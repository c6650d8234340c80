// The scanning primitives skip runs eight bytes at a time; these compare them
// with plain unit-by-unit versions on seeded random texts long enough to
// exercise the runs and their edges.
#include <gtest/gtest.h>

#include "tests/common/hex_bytes.h"
#include "tests/layout/random_text.h"
#include "text/gbk_text.h"

namespace guwen {
namespace {

using testing::toHex;

GbkText plainHalfWidth(std::string_view text) {
    GbkText out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out.push_back(text[i++]);
            continue;
        }
        if (i + 1 == text.size()) break;
        const auto t = static_cast<unsigned char>(text[i + 1]);
        if (b == 0xA1 && t == 0xA1)
            out.push_back(' ');
        else if (b == 0xA1 && t == 0xAB)
            out.push_back('~');
        else if (b == 0xA1 && (t == 0xEE || t == 0xEF))
            out.push_back('*');
        else if (b == 0xA3 && t >= 0xA1 && t <= 0xFE)
            out.push_back(static_cast<char>(t - 0x80));
        else
            out.append(text.substr(i, 2));
        i += 2;
    }
    return out;
}

GbkText plainFullWidth(std::string_view text) {
    GbkText out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x80) {
            if (i + 1 == text.size()) break;
            out.append(text.substr(i, 2));
            i += 2;
            continue;
        }
        if (b == 0x20)
            out += "\xA1\xA1";
        else if (b == 0x7E)
            out += "\xA1\xAB";
        else if (b > 0x20 && b < 0x7F)
            out += {'\xA3', static_cast<char>(b + 0x80)};
        else
            out.push_back(static_cast<char>(b));
        ++i;
    }
    return out;
}

GbkText plainRemoveLineBreaks(std::string_view text) {
    GbkText out;
    std::size_t i = 0;
    while (text.size() - i >= 2) {
        if (text[i] == '\r' && text[i + 1] == '\n') {
            i += 2;
        } else if (isLeadByte(text[i])) {
            out.append(text.substr(i, 2));
            i += 2;
        } else {
            out.push_back(text[i++]);
        }
    }
    out.append(text.substr(i));
    return out;
}

std::vector<std::string> plainSplit(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    std::size_t i = 0;
    while (text.size() >= 2 && i <= text.size() - 2) {
        if (text[i] == '\r' && text[i + 1] == '\n') {
            pieces.emplace_back(toHex(text.substr(start, i - start)));
            i += 2;
            start = i;
        } else {
            i += isLeadByte(text[i]) ? 2 : 1;
        }
    }
    if (start < text.size()) pieces.emplace_back(toHex(text.substr(start)));
    return pieces;
}

TEST(ScanningAgainstPlainVersions, RandomTexts) {
    testing::RandomText random(7);
    for (int round = 0; round < 5000; ++round) {
        const GbkText text = random.text(60);
        ASSERT_EQ(toHex(toHalfWidth(text)), toHex(plainHalfWidth(text))) << toHex(text);
        ASSERT_EQ(toHex(toFullWidth(text)), toHex(plainFullWidth(text))) << toHex(text);
        ASSERT_EQ(toHex(removeLineBreaks(text)), toHex(plainRemoveLineBreaks(text))) << toHex(text);
        const TextList list = splitText(text, "\r\n");
        std::vector<std::string> pieces;
        for (std::int32_t k = 1; k <= list.count(); ++k) pieces.push_back(toHex(list.at(k)));
        ASSERT_EQ(pieces, plainSplit(text)) << toHex(text);
    }
}

}  // namespace
}  // namespace guwen
