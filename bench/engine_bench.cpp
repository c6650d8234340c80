// Throughput of the engine at 64 KiB, 1 MiB and 16 MiB of source, with memcpy
// of the same bytes as the baseline and OpenCC's simplified-to-traditional
// conversion beside the table lookup.
#include <benchmark/benchmark.h>
#include <opencc/opencc.h>

#include <malloc.h>
#include <sys/mman.h>

#include <cstring>
#include <limits>
#include <stdexcept>

#include "bench/bench_text.h"
#include "layout/column_conversion.h"
#include "layout/line_decoration.h"
#include "layout/slanted_text.h"
#include "text/traditional.h"

namespace guwen::bench {
namespace {

void sourceSizes(benchmark::internal::Benchmark* b) {
    b->Arg(static_cast<std::int64_t>(64 * kKiB))
        ->Arg(static_cast<std::int64_t>(kMiB))
        ->Arg(static_cast<std::int64_t>(16 * kMiB))
        ->Unit(benchmark::kMicrosecond);
}

void setBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}

void BM_Memcpy(benchmark::State& state) {
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    setBytes(state, source.size());
}
BENCHMARK(BM_Memcpy)->Apply(sourceSizes);

void BM_ToTraditional(benchmark::State& state) {
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(toTraditional(source));
    setBytes(state, source.size());
}
BENCHMARK(BM_ToTraditional)->Apply(sourceSizes);

// OpenCC works on UTF-8; the conversion to UTF-8 happens outside the timing,
// and the bytes counted are the GBK source's, so the rates compare directly.
void BM_OpenCCSimplifiedToTraditional(benchmark::State& state) {
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    const std::string utf8 = gbkToUtf8(source);
    opencc_t converter = opencc_open("s2t.json");
    if (converter == reinterpret_cast<opencc_t>(-1)) {
        state.SkipWithError("OpenCC's s2t.json is not installed");
        return;
    }
    for (auto _ : state) {
        char* out = opencc_convert_utf8(converter, utf8.data(), utf8.size());
        benchmark::DoNotOptimize(out);
        opencc_convert_utf8_free(out);
    }
    opencc_close(converter);
    setBytes(state, source.size());
}
BENCHMARK(BM_OpenCCSimplifiedToTraditional)->Apply(sourceSizes);

void BM_ConvertToColumns(benchmark::State& state) {
    const ConversionOptions options{chineseText(static_cast<std::size_t>(state.range(0))), 5, true,
                                    true, true};
    for (auto _ : state) {
        const std::optional<GbkText> result = convertToColumns(options);
        if (!result) throw std::logic_error("column layout refused the bench text");
        benchmark::DoNotOptimize(result->data());
    }
    setBytes(state, options.source.size());
}
BENCHMARK(BM_ConvertToColumns)->Apply(sourceSizes);

void BM_ConvertToColumnsHalfWidth(benchmark::State& state) {
    const ConversionOptions options{chineseText(static_cast<std::size_t>(state.range(0))), 5, false,
                                    false, false};
    for (auto _ : state) benchmark::DoNotOptimize(convertToColumns(options));
    setBytes(state, options.source.size());
}
BENCHMARK(BM_ConvertToColumnsHalfWidth)->Apply(sourceSizes);

void BM_DecorateLines(benchmark::State& state) {
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const std::optional<GbkText> result = decorateLines(source, "\xA1\xFC");
        if (!result) throw std::logic_error("decoration refused the bench text");
        benchmark::DoNotOptimize(result->data());
    }
    setBytes(state, source.size());
}
BENCHMARK(BM_DecorateLines)->Apply(sourceSizes);

// The slanted layout's result grows with the square of its source, so a
// source of 64 KiB or more is refused by the size limit; this measures that
// refusal, which must stay linear.
void BM_SlantedRefusal(benchmark::State& state) {
    const std::string source = chineseText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        if (makeSlantedText(source)) throw std::logic_error("slanted layout was not refused");
    }
    setBytes(state, source.size());
}
BENCHMARK(BM_SlantedRefusal)->Apply(sourceSizes);

// The slanted layout measured by the size of what it writes: sources of 252,
// 1022 and 8190 characters give about 64 KiB, 1 MiB and 64 MiB of result.
void BM_SlantedByResult(benchmark::State& state) {
    const std::string source(static_cast<std::size_t>(state.range(0)) * 2, '\xB0');
    std::size_t written = 0;
    for (auto _ : state) {
        const std::optional<GbkText> result = makeSlantedText(source);
        if (!result) throw std::logic_error("slanted layout refused the bench text");
        written = result->size();
        benchmark::DoNotOptimize(result->data());
    }
    setBytes(state, written);
}
BENCHMARK(BM_SlantedByResult)->Arg(252)->Arg(1022)->Arg(8190)->Unit(benchmark::kMicrosecond);

// What the kernel charges for memory touched the first time: map, touch and
// unmap a block of the size.
void BM_FirstTouch(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        void* block =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) throw std::runtime_error("mmap failed");
        std::memset(block, 1, bytes);
        benchmark::DoNotOptimize(block);
        munmap(block, bytes);
    }
    setBytes(state, bytes);
}
BENCHMARK(BM_FirstTouch)->Apply(sourceSizes);

}  // namespace
}  // namespace guwen::bench

// First-touch page faults cost about 10 us each on this virtual machine
// (32 MiB of fresh memory: 84 ms; the same memory touched again: 1.6 ms).
// glibc hands blocks of a few MiB and more straight back to the kernel on
// free, so every iteration at 16 MiB would fault its whole result in anew and
// the figures would measure the hypervisor. Keeping freed memory in the heap
// measures the layouts themselves; the cold cost is reported beside them by
// BM_FirstTouch.
int main(int argc, char** argv) {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
