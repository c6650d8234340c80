// Every layout works out the size of its result before it allocates, so a
// hostile input costs at most a few results' worth of memory. Each case here
// runs in a child process whose address space may grow by only four times
// kMaxResultBytes and 16 MiB beyond what it uses once its input is built. A layout that allocated
// in proportion to charsPerColumn, to the square of the slanted text or to the growth of repeated
// decoration would fail to allocate there and die instead of answering.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "layout/column_conversion.h"
#include "layout/line_decoration.h"
#include "layout/result_limit.h"
#include "layout/slanted_text.h"
#include "tests/common/case_name.h"
#include "tests/common/gbk_literal.h"

namespace guwen {
namespace {

using testing::gbk;

// AddressSanitizer reserves terabytes of address space for its shadow
// memory up front, so no limit on the address space leaves it room to run.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#elif defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr std::size_t kMiB = std::size_t{1} << 20U;
constexpr std::uint64_t kSlack = std::uint64_t{16} << 20U;
constexpr std::uint64_t kBudget = 4 * kMaxResultBytes + kSlack;

GbkText repeated(const GbkText& unit, std::size_t count) {
    GbkText out;
    out.reserve(unit.size() * count);
    for (std::size_t i = 0; i < count; ++i) out += unit;
    return out;
}

// The layout's answer: the size of its result, or none.
using Run = std::function<std::optional<std::size_t>()>;

std::optional<std::size_t> sizeOf(const std::optional<GbkText>& result) {
    if (!result) return std::nullopt;
    return result->size();
}

struct HostileCase {
    std::string name;
    // Builds the input, outside the limit, and returns the run on it.
    std::function<Run()> prepare;
    std::optional<std::size_t> expected;
};

// Test names and failures show the case by its name, not its bytes.
void PrintTo(const HostileCase& hostile, std::ostream* out) { *out << hostile.name; }

Run slanted(GbkText source) {
    return [source = std::move(source)] { return sizeOf(makeSlantedText(source)); };
}

Run columns(GbkText source, std::int32_t charsPerColumn) {
    return [source = std::move(source), charsPerColumn] {
        return sizeOf(convertToColumns({source, charsPerColumn, false, false, false}));
    };
}

Run decorated(GbkText text, GbkText separator, int presses) {
    return [text = std::move(text), separator = std::move(separator), presses]() mutable {
        for (int press = 0; press < presses; ++press) {
            std::optional<GbkText> next = decorateLines(text, separator);
            if (!next) return std::optional<std::size_t>();
            text = std::move(*next);
        }
        return std::optional<std::size_t>(text.size());
    };
}

const HostileCase kCases[] = {
    {"SlantedOneMiBOfChinese", [] { return slanted(repeated(gbk("春"), kMiB / 2)); }, std::nullopt},
    {"SlantedOneMiBOfAscii", [] { return slanted(GbkText(kMiB, 'a')); }, std::nullopt},
    {"ColumnsWithCharsPerColumnInt32Max", [] { return columns(gbk("白日依山尽"), 2147483647); },
     std::nullopt},
    // Sixteen million rows of four bytes would fit in the byte limit; the
    // row limit refuses them before anything is built.
    {"ColumnsWithCharsPerColumn16000001", [] { return columns(gbk("春"), 16000001); },
     std::nullopt},
    {"ColumnsWithCharsPerColumn16000001OnOneMiB",
     [] { return columns(repeated(gbk("春"), kMiB / 2), 16000001); }, std::nullopt},
    // One character per column: 32 Mi letters would make 64 MiB and a bit.
    {"ColumnsOfThirtyTwoMiBOverTheByteLimit", [] { return columns(GbkText(32 * kMiB, 'a'), 1); },
     std::nullopt},
    // The tallest columns allowed, nine of them: a result of 65,536 rows.
    {"ColumnsWithTheMostRowsOnOneMiB",
     [] { return columns(repeated(gbk("春"), kMiB / 2), kMaxColumnRows); },
     std::size_t{65536} * (2 * 9 + 2)},
    {"ThirtyRepeatedDecorations",
     [] { return decorated(gbk("白日依山尽\r\n黄河入海流\r\n"), gbk("↑"), 30); }, std::nullopt},
    {"ThousandCharacterSeparatorOnHundredThousandLines",
     [] { return decorated(repeated(gbk("春\r\n"), 100000), repeated(gbk("↑"), 1000), 1); },
     std::nullopt},
};

std::uint64_t addressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

std::string describe(const std::optional<std::size_t>& size) {
    return size ? std::to_string(*size) + " bytes" : std::string("no result");
}

// Runs in the child: any failure to allocate ends it with std::bad_alloc.
[[noreturn]] void runUnderLimit(const HostileCase& hostile) {
    const Run run = hostile.prepare();
    const rlimit limit{addressSpaceInUse() + kBudget, RLIM_INFINITY};
    if (setrlimit(RLIMIT_AS, &limit) != 0) {
        std::perror("setrlimit");
        std::fflush(stderr);
        std::_Exit(2);
    }
    const std::optional<std::size_t> answer = run();
    if (answer != hostile.expected) {
        std::fprintf(stderr, "expected %s, got %s\n", describe(hostile.expected).c_str(),
                     describe(answer).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    std::_Exit(0);
}

class MemoryBounds : public ::testing::TestWithParam<HostileCase> {};

TEST_P(MemoryBounds, AnswersWithinFourResultsOfMemory) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space for its shadow "
                        "memory, so RLIMIT_AS cannot bound it; the normal build runs this test";
    }
    EXPECT_EXIT(runUnderLimit(GetParam()), ::testing::ExitedWithCode(0), "")
        << "under a limit of " << kBudget << " bytes above the input";
}

INSTANTIATE_TEST_SUITE_P(HostileInputs, MemoryBounds, ::testing::ValuesIn(kCases),
                         testing::CaseName());

}  // namespace
}  // namespace guwen
