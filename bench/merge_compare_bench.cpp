#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <fstream>

#include "app/main_window.h"
#include "bench_lists.h"
#include "compare/compare_lists.h"
#include "compare/comparer_page.h"
#include "list/line_compare.h"
#include "main_list/main_list.h"
#include "merge/merge_lists.h"
#include "merge/merger_page.h"
#include "window/dialogs.h"

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

// As the comparer page and pendara-cli run it: the lines move into the results.
void BM_CompareSpentLists(benchmark::State& state) {
    const LineList first(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    const LineList second = SecondList(first.lines());
    const LineCollator& collator = LineCollator::forUserLocale();
    for (auto _ : state) {
        state.PauseTiming();
        LineList f = first;
        LineList s = second;
        state.ResumeTiming();
        benchmark::DoNotOptimize(CompareLists(std::move(f), std::move(s), collator));
    }
}
BENCHMARK(BM_CompareSpentLists)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Two versions of one list, one line in a hundred changed: the usual case of a comparison.
void BM_CompareNearlyEqualLists(benchmark::State& state) {
    const LineList first(bench::GeneratedLines(static_cast<std::size_t>(state.range(0))));
    LineList second = first;
    for (std::size_t i = 0; i < second.lines().size(); i += 100) second.lines()[i] += " changed";
    for (auto _ : state) benchmark::DoNotOptimize(CompareLists(first, second));
}
BENCHMARK(BM_CompareNearlyEqualLists)->Arg(1000000)->Unit(benchmark::kMillisecond);

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

// End to end, as the user sees it: a click on MERGE or COMPARE with two 1,000,000-line files,
// until the Main List or the four result boxes are filled and painted.

class QuietDialogs : public Dialogs {
public:
    std::optional<QString> openFile(QWidget*, const FileDialog&) override { return {}; }
    std::optional<QString> saveFile(QWidget*, const FileDialog&) override { return {}; }
    void error(QWidget*, const QString& text) override { errors << text; }
    void message(QWidget*, const QString&) override {}
    void information(QWidget*, const QString&) override {}
    void inputBox(QWidget*, const QString&, const QString&, const QString&) override {}
    SaveChoice askSaveChanges(QWidget*, const QString&) override { return SaveChoice::Discard; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    std::optional<Numbering> askNumbering(QWidget*, const Numbering&) override { return {}; }
    int runModal(QDialog&) override { return 0; }
    void openWithShell(QWidget*, const QString&) override {}
    std::string clipboardText() override { return {}; }
    void setClipboardText(std::string_view) override {}
    void beep() override {}
    QStringList errors;
};

struct WindowWithFiles {
    QTemporaryDir folder;
    QuietDialogs dialogs;
    std::unique_ptr<TPDFrm> window;
    QString first = folder.filePath(QStringLiteral("first.txt"));
    QString second = folder.filePath(QStringLiteral("second.txt"));

    explicit WindowWithFiles(std::size_t lines) {
        const std::vector<std::string> firstLines = bench::GeneratedLines(lines);
        std::ofstream(first.toStdString(), std::ios::binary) << JoinLines(firstLines);
        std::ofstream(second.toStdString(), std::ios::binary)
            << JoinLines(SecondList(firstLines).lines());
        Services services;
        services.dialogs = &dialogs;
        window = std::make_unique<TPDFrm>(services);
        window->show();
        QApplication::processEvents();
        // Only what the timed clicks report counts; the window's start-up has its own worries.
        dialogs.errors.clear();
    }
    template <typename T>
    T* find(QWidget& page, const char* name) {
        return page.findChild<T*>(QString::fromLatin1(name));
    }
};

void BM_CompareClickToFilledBoxes(benchmark::State& state) {
    WindowWithFiles w(static_cast<std::size_t>(state.range(0)));
    QWidget& page = w.window->comparerPage();
    w.find<QLineEdit>(page, "txtFirst")->setText(w.first);
    w.find<QLineEdit>(page, "txtSecond")->setText(w.second);
    w.window->findChild<QAbstractButton*>(QStringLiteral("spdLE"))->click();
    for (auto _ : state) {
        w.find<QAbstractButton>(page, "Button7")->click();
        page.repaint();
        QApplication::processEvents();
    }
    if (!w.dialogs.errors.isEmpty()) {
        state.SkipWithError(w.dialogs.errors.front().toStdString().c_str());
    }
    state.counters["different"] = static_cast<double>(w.window->comparerPage().result(4).count());
}
BENCHMARK(BM_CompareClickToFilledBoxes)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MergeClickToFilledMainList(benchmark::State& state) {
    WindowWithFiles w(static_cast<std::size_t>(state.range(0)));
    QWidget& page = w.window->mergerPage();
    w.find<QLineEdit>(page, "txtLeftUp")->setText(w.first);
    w.find<QLineEdit>(page, "txtRightDown")->setText(w.second);
    w.find<QLineEdit>(page, "txtSeparator")->setText(QStringLiteral(" | "));
    for (auto _ : state) {
        w.window->findChild<QAbstractButton*>(QStringLiteral("spdLS"))->click();
        w.find<QAbstractButton>(page, "Button11")->click();
        w.window->repaint();
        QApplication::processEvents();
    }
    if (!w.dialogs.errors.isEmpty()) {
        state.SkipWithError(w.dialogs.errors.front().toStdString().c_str());
    }
    state.counters["lines"] = static_cast<double>(w.window->mainList().count());
}
BENCHMARK(BM_MergeClickToFilledMainList)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace pendara

int main(int argc, char** argv) {
    // The window benchmarks need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
