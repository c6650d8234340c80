#pragma once
// Seeded random GBK-ish texts built from the bytes that steer the layouts:
// line breaks and their halves, both kinds of space, TAB, full-width forms,
// the stars, lead bytes 0x80 and 0xFF, characters the traditional table maps,
// and plain Chinese characters.

#include <array>
#include <random>
#include <string>

namespace guwen::testing {

class RandomText {
  public:
    explicit RandomText(std::uint32_t seed) : engine_(seed) {}

    std::string text(int maxPieces) {
        std::string out;
        const int pieces = uniform(0, maxPieces);
        for (int i = 0; i < pieces; ++i) out += piece();
        return out;
    }

    int uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }

  private:
    std::string piece() {
        static const std::array<std::string, 22> kPieces = {
            "\r",       "\n",       "\r\n",     " ",        "\t",       "a",
            "~",        "\xA1\xA1", "\xA1\xEF", "\xA1\xAB", "\xB0\xD7", "\xC8\xD5",
            "\xBC\xF2", "\xB9\xFA", "\x80",     "\xFF",     "\xB0",     "\xA1\xB0",
            "\xA3\xC1", "\x87\xF8", "\xD3\xE0", "\x81\x8F"};
        const int pick = uniform(0, static_cast<int>(kPieces.size()));
        if (pick == static_cast<int>(kPieces.size())) {
            // Any full-width form, edges included.
            return std::string{'\xA3', static_cast<char>(uniform(0xA0, 0xFF))};
        }
        return kPieces.at(static_cast<std::size_t>(pick));
    }

    std::mt19937 engine_;
};

}  // namespace guwen::testing
