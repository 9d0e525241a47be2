#pragma once

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/qt_dialogs.h"
#include "list/main_list.h"
#include "platform/system_status.h"

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

// Times presses of `button`, each on a Main List that holds `text` afresh (not timed).
inline void TimePresses(benchmark::State& state, const char* button, const std::string& text) {
    TPDFrm& window = BenchWindow();
    auto* press = window.findChild<QAbstractButton*>(QString::fromLatin1(button));
    for (auto _ : state) {
        state.PauseTiming();
        window.mainList().setText(text);
        state.ResumeTiming();
        press->click();
    }
}

}  // namespace pendara::bench
