// How long the window stops answering while a bulk operation runs: the longest gap between two
// turns of its event loop, from the press to the result in place, with the time to the result and
// the resident memory afterwards. A list of a few million lines shows what the user would feel.
//
//   build/bench/event_loop_gap_bench --benchmark_repetitions=3
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "bench_lists.h"
#include "bench_window.h"
#include "main_list/main_list_actions.h"

namespace pendara {
namespace {

// Resident memory of the process in bytes, from the kernel's own account.
double ResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) * 1024.0;
    }
    return 0;
}

const std::string& ListText(std::size_t lines, std::uint64_t seed = 7) {
    static std::map<std::pair<std::size_t, std::uint64_t>, std::string> texts;
    std::string& text = texts[{lines, seed}];
    if (text.empty()) text = bench::GeneratedText(lines, seed);
    return text;
}

// Runs `start` and turns the event loop until the operation is done; the longest time the loop
// did not turn, in milliseconds.
double LongestGap(const std::function<void()>& start) {
    BulkRun& run = bench::BenchWindow().listBuilderPage().bulkRun();
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.elapsed();
    qint64 longest = 0;
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    turn.start(0);
    last = clock.elapsed();
    start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (run.running());
    // The turn after the result went in closes the last gap.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    longest = std::max(longest, clock.elapsed() - last);
    return static_cast<double>(longest);
}

void Gaps(benchmark::State& state, const std::function<void(TPDFrm&)>& prepare,
          const std::function<void(TPDFrm&)>& operation) {
    TPDFrm& window = bench::BenchWindow();
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.mainList().setText(ListText(static_cast<std::size_t>(state.range(0))));
        if (prepare) prepare(window);
        // The repaint the new text asks for belongs to its setting, not to the operation.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        longest = std::max(longest, LongestGap([&] { operation(window); }));
    }
    state.counters["gap_ms"] = longest;
    state.counters["rss_MB"] = ResidentBytes() / 1e6;
}

void Press(TPDFrm& window, const char* name) {
    window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

void BM_GapSort(benchmark::State& state) {
    Gaps(state, nullptr, [](TPDFrm& w) { Press(w, "Sort"); });
}
void BM_GapScramble(benchmark::State& state) {
    Gaps(state, nullptr, [](TPDFrm& w) { Press(w, "btnScramble"); });
}
void BM_GapAdd(benchmark::State& state) {
    Gaps(
        state,
        [](TPDFrm& w) {
            w.findChild<QLineEdit*>(QStringLiteral("MAdd"))->setText(QStringLiteral("#"));
        },
        [](TPDFrm& w) { Press(w, "BtnAdd"); });
    bench::BenchWindow().findChild<QLineEdit*>(QStringLiteral("MAdd"))->clear();
}
void BM_GapDedupe(benchmark::State& state) {
    Gaps(state, nullptr,
         [](TPDFrm& w) { w.findChild<QAction*>(QStringLiteral("actDedupe"))->trigger(); });
}
void BM_GapPaste(benchmark::State& state) {
    Gaps(
        state,
        [&](TPDFrm& w) {
            // Another list of the same length: every line changes.
            w.dialogs().setClipboardText(ListText(static_cast<std::size_t>(state.range(0)), 13));
        },
        [](TPDFrm& w) { Press(w, "Button5"); });
}
void BM_GapClear(benchmark::State& state) {
    Gaps(state, nullptr, [](TPDFrm& w) { Press(w, "RemAll"); });
}
void BM_GapCopy(benchmark::State& state) {
    Gaps(state, nullptr, [](TPDFrm& w) { Press(w, "Button4"); });
}
void BM_GapUndoOfSort(benchmark::State& state) {
    Gaps(
        state,
        [](TPDFrm& w) {
            Press(w, "Sort");
            w.listBuilderPage().bulkRun().wait();
        },
        [](TPDFrm& w) { w.listBuilderPage().mainListActions().undo(); });
}
void BM_GapRedoOfSort(benchmark::State& state) {
    Gaps(
        state,
        [](TPDFrm& w) {
            Press(w, "Sort");
            w.listBuilderPage().bulkRun().wait();
            w.listBuilderPage().mainListActions().undo();
            w.listBuilderPage().bulkRun().wait();
        },
        [](TPDFrm& w) { w.listBuilderPage().mainListActions().redo(); });
}

#define GAP_BENCH(name) \
    BENCHMARK(name)->Arg(1000000)->Arg(5000000)->Unit(benchmark::kMillisecond)->UseRealTime()
GAP_BENCH(BM_GapSort);
GAP_BENCH(BM_GapScramble);
GAP_BENCH(BM_GapAdd);
GAP_BENCH(BM_GapDedupe);
GAP_BENCH(BM_GapPaste);
GAP_BENCH(BM_GapClear);
GAP_BENCH(BM_GapCopy);
GAP_BENCH(BM_GapUndoOfSort);
GAP_BENCH(BM_GapRedoOfSort);

// Load and ten bulk steps, each of which stays undoable; resident memory against the text.
void BM_MemoryAfterTenSteps(benchmark::State& state) {
    TPDFrm& window = bench::BenchWindow();
    const std::size_t lines = static_cast<std::size_t>(state.range(0));
    static QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("ten.txt")).toStdString();
    std::size_t fileBytes = 0;
    {
        std::ofstream out(path, std::ios::binary);
        const std::string text = bench::GeneratedText(lines, 11);
        fileBytes = text.size();
        out << text;
    }
    std::uint64_t loadedAt = 0;
    std::size_t made = 0;
    for (auto _ : state) {
        window.listBuilderPage().loadListFile(QString::fromStdString(path));
        BulkRun& run = window.listBuilderPage().bulkRun();
        run.wait();
        loadedAt = window.mainList().history().state();
        // Ten presses, each of which changes the list.
        const struct {
            const char* button;
            const char* box;
            const char* value;
        } steps[] = {{"Sort", nullptr, nullptr},        {"btnScramble", nullptr, nullptr},
                     {"BtnAdd", "MAdd", "#"},           {"Sort", nullptr, nullptr},
                     {"BtnRep", "MRep", "apple"},       {"BtnAdd", "MAdd", "-"},
                     {"btnScramble", nullptr, nullptr}, {"BtnFilter", "ExcText", "house"},
                     {"Sort", nullptr, nullptr},        {"btnTrim", nullptr, nullptr}};
        for (const auto& step : steps) {
            auto* box = step.box == nullptr
                            ? nullptr
                            : window.findChild<QLineEdit*>(QString::fromLatin1(step.box));
            if (box != nullptr) box->setText(QString::fromLatin1(step.value));
            const std::uint64_t was = window.mainList().history().state();
            Press(window, step.button);
            run.wait();
            if (box != nullptr) box->clear();
            if (window.mainList().history().state() != was) ++made;
        }
    }
    // What the last step dropped is freed on a worker: a moment later, as the user would see.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const double rss = ResidentBytes();
    state.counters["rss_MB"] = rss / 1e6;
    state.counters["file_MB"] = static_cast<double>(fileBytes) / 1e6;
    state.counters["rss_per_file"] = rss / static_cast<double>(fileBytes);
    // Of the steps that changed the list, how many can still be undone (the load's own step
    // may be gone: every step left then is one of them).
    const UndoHistory::Since since = window.mainList().history().since(loadedAt);
    state.counters["steps_made"] = static_cast<double>(made);
    state.counters["steps_undoable"] = static_cast<double>(since.steps.size());
}
// Each size in a process of its own (--benchmark_filter=MemoryAfter.*/5000000): what one
// leaves behind would count against the other.
BENCHMARK(BM_MemoryAfterTenSteps)
    ->Arg(1000000)
    ->Arg(5000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace pendara

int main(int argc, char** argv) { pendara::bench::RunBenchmarksAndExit(argc, argv); }
