#pragma once
// Eight bytes at a time: the scanning loops skip runs that are all one-byte
// characters, or all lead/trail bytes of a run of two-byte characters, with
// one test instead of eight. Loads go through memcpy, so alignment does not
// matter and no aliasing rule is bent.

#include <cstdint>
#include <cstring>

namespace guwen::blocks {

inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

inline std::uint64_t load8(const char* p) {
    std::uint64_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline std::uint16_t load2(const char* p) {
    std::uint16_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store2(char* p, std::uint16_t v) { std::memcpy(p, &v, sizeof v); }

// All eight bytes below 0x80.
inline bool allOneByte(std::uint64_t block) { return (block & kHighBits) == 0; }

// All eight bytes at 0x80 or above. Starting at a unit boundary such a block
// is exactly four two-byte units, since every byte in it is a lead byte when
// its turn comes.
inline bool allHigh(std::uint64_t block) { return (block & kHighBits) == kHighBits; }

// True when any of the eight bytes equals byte (the classic zero-byte test
// applied to block XOR a block of that byte).
inline bool hasByte(std::uint64_t block, char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    const std::uint64_t x = block ^ (kOnes * static_cast<unsigned char>(byte));
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

}  // namespace guwen::blocks
