// End-to-end timings of the Main List: loading a file into the editor and the whole-list
// commands, run on an offscreen window exactly as a button press runs them.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <fstream>

#include "bench_lists.h"
#include "bench_window.h"
#include "files/list_file.h"
#include "main_list/command_dialog.h"
#include "main_list/main_list.h"

namespace pendara {
namespace {

// PENDARA_BENCH_FILE names an existing list to load instead, so that a memory reading of the
// process is not inflated by generating the list first.
const std::string& GeneratedFile(std::size_t lines) {
    static const QByteArray given = qgetenv("PENDARA_BENCH_FILE");
    static const std::string givenPath = given.toStdString();
    if (!givenPath.empty()) return givenPath;
    static QTemporaryDir folder;
    static std::map<std::size_t, std::string> files;
    auto& path = files[lines];
    if (path.empty()) {
        path = folder.filePath(QStringLiteral("list-%1.txt").arg(lines)).toStdString();
        std::ofstream(path, std::ios::binary) << bench::GeneratedText(lines);
    }
    return path;
}

void BM_LoadFileIntoMainList(benchmark::State& state) {
    MainList& list = bench::BenchWindow().mainList();
    const std::string& path = GeneratedFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
        list.setText(ReadListFile(path));
    }
}
BENCHMARK(BM_LoadFileIntoMainList)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void PressOnLoadedList(benchmark::State& state, const char* button) {
    bench::TimePresses(state, button,
                       bench::GeneratedText(static_cast<std::size_t>(state.range(0)), 7));
}

void BM_SortListButton(benchmark::State& state) { PressOnLoadedList(state, "Sort"); }
BENCHMARK(BM_SortListButton)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ScrambleListButton(benchmark::State& state) { PressOnLoadedList(state, "btnScramble"); }
BENCHMARK(BM_ScrambleListButton)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What the command dialog works out off the window's thread before its preview shows: the
// command on a copy of the snapshot, and the counts of changed lines.
void BM_CommandDialogPreview(benchmark::State& state, const char* command) {
    const LineList list(bench::GeneratedLines(static_cast<std::size_t>(state.range(0)), 7));
    const Invocation invocation = ReadInvocation(command);
    for (auto _ : state) benchmark::DoNotOptimize(Preview(invocation, list, 200));
}
BENCHMARK_CAPTURE(BM_CommandDialogPreview, trim, "trim")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CommandDialogPreview, match, "match -I 'a.*e'")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CommandDialogPreview, dedupe, "dedupe")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CommandDialogPreview, sort_key, "sort -k 2")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace pendara

int main(int argc, char** argv) {
    pendara::bench::BenchWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
