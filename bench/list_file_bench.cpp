#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_lists.h"
#include "files/code_page.h"
#include "files/list_file.h"
#include "files/list_origin.h"

namespace pendara {
namespace {

// The generated lines with a German word in each, so every line holds letters past ASCII.
std::string GermanList(std::size_t count, std::string_view lineEnd) {
    static const char* const words[] = {"Müller", "Größe", "Straße", "Äpfel", "Öl", "über"};
    std::string text;
    std::size_t i = 0;
    for (const std::string& line : bench::GeneratedLines(count)) {
        text += line + " " + words[i++ % std::size(words)];
        text += lineEnd;
    }
    return text;
}

// Reading the file and making the Main List's text of it, as Load List does; argument 0 for the
// list in UTF-8, 1 for the same list in Windows-1252; the second argument 1 for LF breaks.
void BM_LoadList(benchmark::State& state) {
    const std::string utf8 = GermanList(1000000, state.range(1) != 0 ? "\n" : "\r\n");
    std::string bytes = utf8;
    if (state.range(0) != 0) (void)CodePage::Named("windows-1252").encode(utf8, bytes);
    const std::string path =
        (std::filesystem::temp_directory_path() / "pendara-load-bench.txt").string();
    std::ofstream(path, std::ios::binary) << bytes;
    for (auto _ : state) {
        std::string text;
        const ListOrigin origin = ListOrigin::FromFile(ReadListFileBytes(path), text);
        benchmark::DoNotOptimize(text);
        if (origin.form().codePage.empty() != (state.range(0) == 0)) state.SkipWithError("form");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadList)
    ->ArgNames({"cp1252", "lf"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
