// Time to refuse hostile property lists as a calibration archive and as thresholds: a
// 140,000-level nest of one-element arrays and a 20-level doubling DAG. Run with
//   plist_refusal_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and read the median. The files are built as the tests build them.
#include "core/calibration/SettingArchive.h"
#include "core/calibration/Thresholds.h"
#include "support/HostilePlist.h"

#include <benchmark/benchmark.h>

namespace {

void RefuseDeepArchive(benchmark::State& state) {
    const std::vector<std::uint8_t> deep =
        eboard::testing::nestedArraysPlist(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(eboard::decodeSettingArchive(deep));
    }
    state.counters["bytes"] = static_cast<double>(deep.size());
}
BENCHMARK(RefuseDeepArchive)->Arg(140000)->Unit(benchmark::kMillisecond);

void RefuseDeepThresholds(benchmark::State& state) {
    const std::vector<std::uint8_t> deep = eboard::testing::nestedArraysPlist(140000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(eboard::parseThresholds(deep));
    }
}
BENCHMARK(RefuseDeepThresholds)->Unit(benchmark::kMillisecond);

void RefuseDoublingArchive(benchmark::State& state) {
    const std::vector<std::uint8_t> shared = eboard::testing::doublingArraysPlist(20);
    for (auto _ : state) {
        benchmark::DoNotOptimize(eboard::decodeSettingArchive(shared));
    }
}
BENCHMARK(RefuseDoublingArchive)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
