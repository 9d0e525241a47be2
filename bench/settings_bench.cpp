#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/linux_settings_store.h"
#include "platform/settings_file.h"

namespace pendara {
namespace {

// A settings file of `count` keys, each with one value.
std::string SettingsText(std::int64_t count) {
    std::string text;
    for (std::int64_t i = 0; i < count; ++i) {
        text += "[Software\\Key" + std::to_string(i) + "]\n\"07\" = text \"value\"\n";
    }
    return text;
}

void BM_ParseSettingsFile(benchmark::State& state) {
    const std::string text = SettingsText(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(SettingsFile::Parse(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseSettingsFile)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

// A value read from a store of `count` keys: the first read parses, later reads do not unless
// the file has changed.
void BM_ReadStoredValue(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "pendara-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string file = folder + "/settings.ini";
    std::ofstream(file, std::ios::binary) << SettingsText(state.range(0));
    const auto store = MakeLinuxSettingsStore(file, XdgEnvironment());
    const std::string last = "Software\\Key" + std::to_string(state.range(0) - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRegText(*store, SettingsRoot::CurrentUser, last, "07"));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadStoredValue)->Arg(20000)->Arg(80000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
