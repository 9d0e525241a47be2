#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "batch/add_text.h"
#include "batch/keyword_filter.h"
#include "batch/line_cleanup.h"
#include "batch/remove_chars.h"
#include "batch/replace_text.h"
#include "bench_lists.h"
#include "bench_window.h"
#include "list/line_list.h"
#include "main_list/main_list.h"

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
    RunRule(state, [](LineList& l) { AddText(l, "#", LinePlace::At(5)); });
}
void BM_AddBackwardsNextTo(benchmark::State& state) {
    RunRule(state,
            [](LineList& l) { AddText(l, "#", LinePlace::NextTo("=", Direction::Backwards)); });
}
void BM_RemoveAtIndex(benchmark::State& state) {
    RunRule(state, [](LineList& l) { RemoveChars(l, 3, LinePlace::At(2)); });
}
void BM_RemoveBackwardsNextTo(benchmark::State& state) {
    RunRule(state,
            [](LineList& l) { RemoveChars(l, 2, LinePlace::NextTo("-", Direction::Backwards)); });
}
void BM_Replace(benchmark::State& state) {
    RunRule(state, [](LineList& l) { ReplaceText(l, "apple", "pear"); });
}
void BM_FilterIncludeExclude(benchmark::State& state) {
    RunRule(state, [](LineList& l) {
        FilterByKeywords(
            l, {.include = "red apple", .includeMatch = KeywordMatch::Any, .exclude = "car"});
    });
}
void BM_FilterMatchCase(benchmark::State& state) {
    RunRule(state, [](LineList& l) {
        FilterByKeywords(l, {.include = "Green", .letterCase = LetterCase::Match});
    });
}
void BM_RemoveEmptyLines(benchmark::State& state) {
    RunRule(state, [](LineList& l) { RemoveEmptyLines(l, EmptyLines::BlanksOnly); });
}
void BM_TrimLines(benchmark::State& state) {
    RunRule(state, [](LineList& l) { TrimLines(l, LineEnds::Both); });
}
void BM_RemoveLinesByLength(benchmark::State& state) {
    RunRule(state, [](LineList& l) { RemoveLinesByLength(l, {LengthOption::Range, 20, 30}); });
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

// End to end: a button press on an offscreen window whose Main List holds the generated list,
// the copy into the work list and back into the editor included.
void PressBatchButton(benchmark::State& state, const char* button,
                      std::initializer_list<std::pair<const char*, const char*>> texts) {
    TPDFrm& window = bench::BenchWindow();
    for (const auto& [box, value] : texts) {
        window.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromUtf8(value));
    }
    bench::TimePresses(state, button,
                       bench::GeneratedText(static_cast<std::size_t>(state.range(0))));
    for (const auto& [box, value] : texts)
        window.findChild<QLineEdit*>(QString::fromLatin1(box))->clear();
}

void BM_AddButton(benchmark::State& state) { PressBatchButton(state, "BtnAdd", {{"MAdd", "#"}}); }
void BM_ReplaceButton(benchmark::State& state) {
    PressBatchButton(state, "BtnRep", {{"MRep", "apple"}, {"RWith", "pear"}});
}
void BM_FilterButton(benchmark::State& state) {
    PressBatchButton(state, "BtnFilter", {{"IncText", "apple"}});
}
BENCHMARK(BM_AddButton)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceButton)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_FilterButton)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pendara

int main(int argc, char** argv) { pendara::bench::RunBenchmarksAndExit(argc, argv); }
