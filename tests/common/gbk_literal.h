#pragma once
// Lets tests spell GBK text as readable UTF-8 literals: gbk("白日") gives the
// bytes B0 D7 C8 D5. Uses the C library's iconv, which every Linux has.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace guwen::testing {

inline std::string gbk(std::string_view utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no GBK");
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not encodable in GBK");
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace guwen::testing
