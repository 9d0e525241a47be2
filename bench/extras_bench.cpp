#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <filesystem>

#include "extras/error_rows.h"
#include "extras/key_value_model.h"
#include "platform/linux_settings_store.h"
#include "platform/system_messages.h"

namespace pendara {
namespace {

// The largest Show of the error message page: 20001 lookups.
void BM_ErrorRangeRows(benchmark::State& state) {
    auto source = MakeSystemMessageSource();
    for (auto _ : state) benchmark::DoNotOptimize(ErrorRangeRows(0, 20000, *source));
}
BENCHMARK(BM_ErrorRangeRows)->Unit(benchmark::kMillisecond);

// One start-up's store traffic: record the path, read the flag, write it back on close.
void BM_StartupStoreRoundTrip(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "pendara-store-bench";
    std::filesystem::remove_all(folder);
    auto store = MakeLinuxSettingsStore((folder / "settings.ini").string(), XdgEnvironment{});
    for (auto _ : state) {
        SetRegText(*store, SettingsRoot::CurrentUser, "Software\\Brantor", "07",
                   "/usr/bin/pendara");
        benchmark::DoNotOptimize(
            ReadRegText(*store, SettingsRoot::CurrentUser, "Software\\Brantor\\Support", "07"));
        EnsureRegKey(*store, SettingsRoot::CurrentUser, "Software\\Brantor\\Support");
        WriteRegText(*store, "Software\\Brantor\\Support", "07", "1");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartupStoreRoundTrip)->Unit(benchmark::kMicrosecond);

// Show for 0 to 20000 as the user sees it: rows into the grid's model and the grid laid out
// and painted once.
void BM_ShowAllErrorRowsInGrid(benchmark::State& state) {
    auto source = MakeSystemMessageSource();
    QTableView grid;
    KeyValueModel& model = SetUpKeyValueGrid(
        grid, {QStringLiteral("Error Code"), 81, QStringLiteral("Error Message"), 650});
    grid.resize(760, 400);
    grid.show();
    for (auto _ : state) {
        model.setRows(ErrorRangeRows(0, 20000, *source).rows);
        SetCurrentRow(grid, 0);
        benchmark::DoNotOptimize(grid.grab());
    }
}
BENCHMARK(BM_ShowAllErrorRowsInGrid)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
