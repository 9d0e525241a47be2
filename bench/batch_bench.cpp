#include <benchmark/benchmark.h>

#include <functional>

#include "batch/add_text.h"
#include "batch/keyword_filter.h"
#include "batch/line_cleanup.h"
#include "batch/remove_chars.h"
#include "batch/replace_text.h"
#include "bench_lists.h"
#include "list/line_list.h"

namespace pendara {
namespace {

constexpr std::size_t kLines = 1000000;

// Times one rule on a fresh copy of the generated list; the copy itself is not timed.
void RunRule(benchmark::State& state, const std::function<void(LineList&)>& rule) {
    static const LineList source(bench::GeneratedLines(kLines));
    for (auto _ : state) {
        state.PauseTiming();
        LineList list = source;
        state.ResumeTiming();
        rule(list);
        benchmark::DoNotOptimize(list.lines().data());
        state.PauseTiming();
        list = LineList();  // freeing the copy is not the rule's work either
        state.ResumeTiming();
    }
}

void BM_AddAtIndex(benchmark::State& state) {
    RunRule(state, [](LineList& l) { AddText(l, "#", false, true, 5, ""); });
}
void BM_AddBackwardsNextTo(benchmark::State& state) {
    RunRule(state, [](LineList& l) { AddText(l, "#", true, false, 1, "="); });
}
void BM_RemoveAtIndex(benchmark::State& state) {
    RunRule(state, [](LineList& l) { RemoveChars(l, 3, false, true, 2, ""); });
}
void BM_RemoveBackwardsNextTo(benchmark::State& state) {
    RunRule(state, [](LineList& l) { RemoveChars(l, 2, true, false, 1, "-"); });
}
void BM_Replace(benchmark::State& state) {
    RunRule(state, [](LineList& l) { ReplaceText(l, "apple", "pear"); });
}
void BM_FilterIncludeExclude(benchmark::State& state) {
    RunRule(state, [](LineList& l) { FilterByKeywords(l, "red apple", false, "car", false, false); });
}
void BM_FilterMatchCase(benchmark::State& state) {
    RunRule(state, [](LineList& l) { FilterByKeywords(l, "Green", true, "", false, true); });
}
void BM_RemoveEmptyLines(benchmark::State& state) {
    RunRule(state, [](LineList& l) { RemoveEmptyLines(l, true); });
}
void BM_TrimLines(benchmark::State& state) {
    RunRule(state, [](LineList& l) { TrimLines(l, true, true); });
}
void BM_RemoveLinesByLength(benchmark::State& state) {
    RunRule(state, [](LineList& l) {
        RemoveLinesByLength(l, LengthOption::Range, 0, 1, 0, 20, 30);
    });
}

BENCHMARK(BM_AddAtIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddBackwardsNextTo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveAtIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveBackwardsNextTo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Replace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterIncludeExclude)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterMatchCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveEmptyLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrimLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveLinesByLength)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
