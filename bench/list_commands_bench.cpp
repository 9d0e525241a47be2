#include <benchmark/benchmark.h>

#include "bench_lists.h"
#include "list/line_groups.h"
#include "list/line_list.h"
#include "list/line_order.h"
#include "list/number_lines.h"

namespace pendara {
namespace {

// Rules that make collation keys use two cores on long lists; their CPU time counts both.

// Runs `rule` on a fresh copy of the generated list each time; the copy is not timed.
template <typename Rule>
void RunOnCopy(benchmark::State& state, Rule rule) {
    const LineList source(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    LineList list;
    for (auto _ : state) {
        state.PauseTiming();
        list = source;  // the last result is freed here, outside the timing
        state.ResumeTiming();
        rule(list);
        benchmark::DoNotOptimize(list);
    }
}

void BM_Dedupe(benchmark::State& state) {
    RunOnCopy(state, [](LineList& list) { DedupeLines(list, {}); });
}
BENCHMARK(BM_Dedupe)->MeasureProcessCPUTime()->Arg(100000)->Arg(1000000)->Unit(
    benchmark::kMillisecond);

void BM_DedupeMatchCase(benchmark::State& state) {
    RunOnCopy(state, [](LineList& list) { DedupeLines(list, {KeepCopy::Last, true}); });
}
BENCHMARK(BM_DedupeMatchCase)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_RepeatedEveryCopy(benchmark::State& state) {
    RunOnCopy(state, [](LineList& list) { KeepRepeatedLines(list, {true, false}); });
}
BENCHMARK(BM_RepeatedEveryCopy)
    ->MeasureProcessCPUTime()
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

void BM_Singles(benchmark::State& state) {
    RunOnCopy(state, [](LineList& list) { KeepSingleLines(list, {}); });
}
BENCHMARK(BM_Singles)->MeasureProcessCPUTime()->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Tally(benchmark::State& state) {
    RunOnCopy(state, [](LineList& list) { TallyLines(list, {}); });
}
BENCHMARK(BM_Tally)->MeasureProcessCPUTime()->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Reverse(benchmark::State& state) { RunOnCopy(state, ReverseLines); }
BENCHMARK(BM_Reverse)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Number(benchmark::State& state) {
    RunOnCopy(state, [](LineList& list) { NumberLines(list, {1, 7, ". "}); });
}
BENCHMARK(BM_Number)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The sort forms side by side with the plain sort, which natural sort must stay close to.
void BM_SortForm(benchmark::State& state) {
    const SortOptions options{state.range(1) == 1, state.range(1) == 2, state.range(1) == 3};
    RunOnCopy(state, [&](LineList& list) { SortLinesBy(list, options); });
}
BENCHMARK(BM_SortForm)
    ->ArgNames({"lines", "form"})  // form: 0 plain, 1 descending, 2 natural, 3 by length
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Args({1000000, 3})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
