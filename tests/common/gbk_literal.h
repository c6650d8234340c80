#pragma once
// Lets tests spell GBK text as readable UTF-8 literals: gbk("白日") gives the
// bytes B0 D7 C8 D5. Uses the C library's iconv, which every Linux has.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace guwen::testing {

// Converts bytes between two encodings iconv knows; throws on bytes that do
// not convert.
inline std::string convertEncoding(const char* to, const char* from, std::string_view bytes) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv lacks an encoding");
    std::string in(bytes);
    std::string out(in.size() * 2 + 16, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("bytes do not convert");
    out.resize(out.size() - outLeft);
    return out;
}

inline std::string gbk(std::string_view utf8) { return convertEncoding("GBK", "UTF-8", utf8); }

}  // namespace guwen::testing
