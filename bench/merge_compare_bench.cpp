#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>

#include "bench_lists.h"
#include "compare/compare_lists.h"
#include "merge/merge_lists.h"

namespace pendara {
namespace {

// A second list that shares about half its lines with `first`, a third of those in capitals,
// in another order and with repeats; the rest are new lines.
LineList SecondList(const std::vector<std::string>& first) {
    std::vector<std::string> lines = bench::GeneratedLines(first.size(), 2);
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        std::string line = first[(i * 7919) % first.size()];
        if (i % 3 == 0) {
            std::transform(line.begin(), line.end(), line.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        }
        lines[i] = std::move(line);
    }
    return LineList(std::move(lines));
}

void BM_CompareLists(benchmark::State& state) {
    const LineList first(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    const LineList second = SecondList(first.lines());
    for (auto _ : state) benchmark::DoNotOptimize(CompareLists(first, second));
}
BENCHMARK(BM_CompareLists)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_MergeLeftRight(benchmark::State& state) {
    const LineList left(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    const LineList right(bench::GeneratedLines(static_cast<std::size_t>(state.range(0)), 2));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MergeLists(MergeMode::LeftRight, left, right, "[", " | ", "]"));
    }
}
BENCHMARK(BM_MergeLeftRight)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_MergeTopBottom(benchmark::State& state) {
    const LineList top(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    const LineList bottom(bench::GeneratedLines(static_cast<std::size_t>(state.range(0)), 2));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MergeLists(MergeMode::TopBottom, top, bottom, "B", "-", "A"));
    }
}
BENCHMARK(BM_MergeTopBottom)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
