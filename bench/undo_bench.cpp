// End to end on an offscreen window: undo and redo of a whole-list step, the Main List's context
// menu commands, and what five whole-list steps cost in memory.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>

#include "bench_lists.h"
#include "bench_window.h"
#include "main_list/main_list.h"

namespace pendara {
namespace {

QAction* Action(TPDFrm& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// Times undo (or, with `redo`, redo) of an Add on a list of state.range(0) lines.
void TimeTakingBack(benchmark::State& state, bool redo) {
    TPDFrm& window = bench::BenchWindow();
    const std::string text = bench::GeneratedText(static_cast<std::size_t>(state.range(0)));
    window.findChild<QLineEdit*>(QStringLiteral("MAdd"))->setText(QStringLiteral("#"));
    for (auto _ : state) {
        state.PauseTiming();
        window.mainList().setText(text);
        window.findChild<QAbstractButton*>(QStringLiteral("BtnAdd"))->click();
        if (redo) Action(window, "actUndo")->trigger();
        state.ResumeTiming();
        Action(window, redo ? "actRedo" : "actUndo")->trigger();
    }
    window.findChild<QLineEdit*>(QStringLiteral("MAdd"))->clear();
}

void BM_UndoAdd(benchmark::State& state) { TimeTakingBack(state, false); }
void BM_RedoAdd(benchmark::State& state) { TimeTakingBack(state, true); }
BENCHMARK(BM_UndoAdd)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedoAdd)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void TriggerOnList(benchmark::State& state, const char* action) {
    TPDFrm& window = bench::BenchWindow();
    const std::string text = bench::GeneratedText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        window.mainList().setText(text);
        state.ResumeTiming();
        Action(window, action)->trigger();
    }
}

#define LIST_COMMAND(name, action)                                            \
    void BM_##name(benchmark::State& state) { TriggerOnList(state, action); } \
    BENCHMARK(BM_##name)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()

LIST_COMMAND(RemoveDuplicates, "actDedupe");
LIST_COMMAND(KeepRepeatedLines, "actRepeated");
LIST_COMMAND(KeepSingleLines, "actSingles");
LIST_COMMAND(CountLines, "actTally");
LIST_COMMAND(Reverse, "actReverse");
LIST_COMMAND(SortDescending, "actSortDescending");
LIST_COMMAND(NaturalSort, "actNaturalSort");
LIST_COMMAND(SortByLength, "actLengthSort");

std::size_t ResidentBytes() {
    QFile status(QStringLiteral("/proc/self/statm"));
    status.open(QIODevice::ReadOnly);
    return static_cast<std::size_t>(status.readAll().split(' ').at(1).toULongLong()) * 4096;
}

// Five whole-list steps on a list of state.range(0) lines: Add, Replace, Filter, Trim and Sort.
// Reports what the five steps added to the history and the growth of resident memory over the list
// alone, in MB.
void BM_FiveStepsMemory(benchmark::State& state) {
    TPDFrm& window = bench::BenchWindow();
    const std::string text = bench::GeneratedText(static_cast<std::size_t>(state.range(0)));
    const auto box = [&](const char* name) {
        return window.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto press = [&](const char* name) {
        window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    for (auto _ : state) {
        window.mainList().setText(text);
        const std::size_t before = ResidentBytes();
        const std::size_t historyBefore = window.mainList().history().bytes();
        box("MAdd")->setText(QStringLiteral("#"));
        press("BtnAdd");
        box("MRep")->setText(QStringLiteral("apple"));
        box("RWith")->setText(QStringLiteral("pear"));
        press("BtnRep");
        box("IncText")->setText(QStringLiteral("pear"));
        press("BtnFilter");
        press("btnTrim");
        press("Sort");
        state.counters["history_MB"] =
            static_cast<double>(window.mainList().history().bytes() - historyBefore) / 1e6;
        state.counters["resident_growth_MB"] = static_cast<double>(ResidentBytes() - before) / 1e6;
        state.counters["list_MB"] = static_cast<double>(window.mainList().text().size()) / 1e6;
        for (const char* name : {"MAdd", "MRep", "RWith", "IncText"}) box(name)->clear();
    }
}
BENCHMARK(BM_FiveStepsMemory)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

int main(int argc, char** argv) { pendara::bench::RunBenchmarksAndExit(argc, argv); }
