#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_lists.h"
#include "support/table_text.h"

namespace pendara {
namespace {

// The generated lines as table rows: blanks become field separators, and every tenth line
// carries a quoted field with a separator and a break character inside.
std::vector<std::string> TableLines(std::size_t count) {
    std::vector<std::string> lines = bench::GeneratedLines(count);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::replace(lines[i].begin(), lines[i].end(), ' ', '\t');
        if (i % 10 == 0) lines[i] += "\t\"quoted\tfield|two\"";
    }
    return lines;
}

void BM_ParseTableText(benchmark::State& state) {
    const std::string bytes = TableFileBytes(TableLines(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(ParseTableText(bytes, TableTextFormat{7}));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseTableText)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ParseUtf16TableText(benchmark::State& state) {
    const std::string bytes =
        Utf16TableFileBytes(TableLines(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(ParseTableText(bytes, TableTextFormat{7}));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseUtf16TableText)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pendara

BENCHMARK_MAIN();
