// The show check of the largest show: 3200 timed cues, every channel assigned
// with a level, with and without the module-gap rule.
#include "FullShow.h"
#include "check/ShowCheck.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zyn;

void checkFullShow(benchmark::State& state) {
    const auto show = bench::fullShow();
    const CheckOptions options{int(state.range(0))};
    for (auto _ : state)
        benchmark::DoNotOptimize(ShowCheck::run(*show, StopLabels::fileForm(), options));
}
BENCHMARK(checkFullShow)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
