#include "bench/bench_text.h"

#include "tests/common/gbk_literal.h"

namespace guwen::bench {
namespace {

// "白日依山尽，黄河入海流。欲穷千里目，更上一层楼。" and friends, in GBK,
// chosen so that the traditional table has work to do.
const std::string kProse =
    "\xB0\xD7\xC8\xD5\xD2\xC0\xC9\xBD\xBE\xA1\xA3\xAC\xBB\xC6\xBA\xD3\xC8\xEB\xBA\xA3\xC1\xF7"
    "\xA1\xA3\xD3\xFB\xC7\xEE\xC7\xA7\xC0\xEF\xC4\xBF\xA3\xAC\xB8\xFC\xC9\xCF\xD2\xBB\xB2\xE3"
    "\xC2\xA5\xA1\xA3\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4 Qt 6 \xB9\xFA\xBC\xD2\xB7\xA2\xD5\xB9"
    "\xA1\xB0\xCA\xE9\xB7\xA8\xA1\xB1\xA3\xAC\xCE\xAA\xC8\xCB\xC3\xF1\xB7\xFE\xCE\xF1\r\n";

}  // namespace

std::string chineseText(std::size_t bytes) {
    std::string out;
    out.reserve(bytes + kProse.size());
    while (out.size() < bytes) out += kProse;
    out.resize(bytes);
    // Never end on half a character.
    std::size_t i = 0;
    while (i < out.size()) i += (static_cast<unsigned char>(out[i]) >= 0x80) ? 2 : 1;
    if (i > out.size()) out.pop_back();
    return out;
}

std::string gbkToUtf8(const std::string& gbk) {
    return testing::convertEncoding("UTF-8", "GBK", gbk);
}

}  // namespace guwen::bench
