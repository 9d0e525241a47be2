#include <benchmark/benchmark.h>

#include <filesystem>

#include "extras/error_rows.h"
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
        SetRegText(*store, SettingsRoot::CurrentUser, "Software\\Brantor", "07", "/usr/bin/pendara");
        benchmark::DoNotOptimize(
            ReadRegText(*store, SettingsRoot::CurrentUser, "Software\\Brantor\\Support", "07"));
        EnsureRegKey(*store, SettingsRoot::CurrentUser, "Software\\Brantor\\Support");
        WriteRegText(*store, "Software\\Brantor\\Support", "07", "1");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartupStoreRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
