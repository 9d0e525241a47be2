#pragma once

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "batch/list_builder_page.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "platform/system_status.h"
#include "window/qt_dialogs.h"

namespace pendara::bench {

// One offscreen main window with the real dialogs and status, made on first use so that timings
// taken before it run before Qt starts its threads (malloc takes a slower path once there are
// several). It is never destroyed: widgets must not outlive the application object at exit.
inline TPDFrm& BenchWindow() {
    static int argc = 1;
    static char name[] = "pendara_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return QApplication::instance() != nullptr ? nullptr : new QApplication(argc, argv);
    }();
    static QtDialogs dialogs;
    static const std::unique_ptr<SystemStatus> status = MakeLinuxSystemStatus();
    static TPDFrm& window = *new TPDFrm(Services{&dialogs, status.get()});
    (void)application;
    return window;
}

// The main of a benchmark program whose window outlives main on purpose: runs the benchmarks and
// leaves without tearing Qt down behind the window. _Exit flushes nothing, so the figures are
// written out first; they would be lost when going to a pipe or a file.
[[noreturn]] inline void RunBenchmarksAndExit(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    std::_Exit(0);
}

// Times presses of `button`, each on a Main List that holds `text` afresh (not timed).
inline void TimePresses(benchmark::State& state, const char* button, const std::string& text) {
    TPDFrm& window = BenchWindow();
    auto* press = window.findChild<QAbstractButton*>(QString::fromLatin1(button));
    for (auto _ : state) {
        state.PauseTiming();
        window.mainList().setText(text);
        state.ResumeTiming();
        press->click();
        // A long list is worked on off the window's thread: the result is the time to it.
        window.listBuilderPage().bulkRun().wait();
    }
}

}  // namespace pendara::bench
