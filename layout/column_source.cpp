#include "layout/column_source.h"

#include <cstring>

#include "text/byte_blocks.h"
#include "text/traditional.h"

namespace guwen {
namespace {

std::uint16_t pairInMemory(unsigned char first, unsigned char second) {
    std::uint16_t v = 0;
    const unsigned char bytes[2] = {first, second};
    // Assembled the way load2 reads it, whatever the byte order.
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

}  // namespace

PreparedSource prepareColumnSource(std::string_view source, bool traditional, bool removeSpaces) {
    // Every source byte becomes at most two bytes.
    PreparedSource out(source.size() * 2);
    const char* in = source.data();
    const std::size_t n = source.size();
    char* o = out.data();
    const std::uint16_t ideographicSpace = pairInMemory(0xA1, 0xA1);

    // A removed space is written and then overwritten by what follows.
    auto putPair = [&](std::uint16_t pair) {
        blocks::store2(o, pair);
        o += (removeSpaces && pair == ideographicSpace) ? 0 : 2;
    };
    auto putSourcePair = [&](std::uint16_t pair) {
        putPair(traditional ? traditionalPair(pair) : pair);
    };

    std::size_t i = 0;
    while (i < n) {
        if (n - i >= 8 && blocks::allHigh(blocks::load8(in + i))) {
            for (std::size_t k = 0; k < 8; k += 2) putSourcePair(blocks::load2(in + i + k));
            i += 8;
            continue;
        }
        const auto b = static_cast<unsigned char>(in[i]);
        if (b >= 0x80) {
            if (i + 1 == n) break;  // the full-width step drops a dangling lead
            putSourcePair(blocks::load2(in + i));
            i += 2;
            continue;
        }
        if (b == kCr && i + 1 < n && in[i + 1] == kLf) {
            i += 2;
            continue;
        }
        if (b == ' ') {
            putPair(ideographicSpace);
        } else if (b == '~') {
            putPair(pairInMemory(0xA1, 0xAB));
        } else if (b > ' ' && b < 0x7F) {
            putPair(pairInMemory(0xA3, static_cast<unsigned char>(b + 0x80)));
        } else {
            *o++ = static_cast<char>(b);  // control bytes stay one byte
        }
        ++i;
    }
    out.setSize(static_cast<std::size_t>(o - out.data()));
    return out;
}

}  // namespace guwen
