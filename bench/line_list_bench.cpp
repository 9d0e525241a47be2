#include <benchmark/benchmark.h>

#include "bench_lists.h"
#include "list/line_list.h"
#include "list/scramble.h"

namespace pendara {
namespace {

void BM_SplitLines(benchmark::State& state) {
    const std::string text = bench::GeneratedText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(SplitLines(text));
}
BENCHMARK(BM_SplitLines)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& state) {
    const LineList source(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        LineList list = source;
        state.ResumeTiming();
        list.sort();
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_Sort)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Scramble(benchmark::State& state) {
    LineList list(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) ScrambleLines(list.lines(), ClockSeed());
}
BENCHMARK(BM_Scramble)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
