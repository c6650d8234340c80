#pragma once
// The text the benchmarks run on: ordinary simplified Chinese prose in GBK,
// with punctuation, a few ASCII words, spaces and a line break every forty
// characters, repeated up to the wanted size.

#include <cstddef>
#include <string>

namespace guwen::bench {

std::string chineseText(std::size_t bytes);
std::string gbkToUtf8(const std::string& gbk);

inline constexpr std::size_t kKiB = 1024;
inline constexpr std::size_t kMiB = 1024 * kKiB;

}  // namespace guwen::bench
