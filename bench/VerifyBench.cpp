// Reading a full show's controller table and card image back and comparing
// them with the project's plan, as `zynctl verify` does at the firing site.
#include "FullShow.h"
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/TableBuilder.h"
#include "verify/CardDecoder.h"
#include "verify/PlanComparison.h"
#include "verify/ShowPlan.h"
#include "verify/TableDecoder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zyn;

// The show's plan is computed once, as the command computes it once per run;
// what is timed is the medium read back and the comparison.
void BM_VerifyFullShowTable(benchmark::State& state) {
    const auto show = bench::fullShow();
    const QByteArray table = TableBuilder(StopLabels::fileForm()).build(*show).table.bytes();
    const FiringPlan expected = ShowPlan::forTable(*show, StopLabels::fileForm());
    for (auto _ : state) {
        const PlanReading reading = TableDecoder::decode(table);
        if (!reading.ok() || !PlanComparison::differences(expected, *reading.plan).isEmpty()) {
            state.SkipWithError("the table does not read back as the show");
            return;
        }
    }
}
BENCHMARK(BM_VerifyFullShowTable)->Unit(benchmark::kMillisecond);

void BM_VerifyFullShowCard(benchmark::State& state) {
    const auto show = bench::fullShow();
    const QByteArray card = CardImage::build(*show).bytes;
    const FiringPlan expected = ShowPlan::forCard(*show);
    for (auto _ : state) {
        const PlanReading reading = CardDecoder::decode(card);
        if (!reading.ok() || !PlanComparison::differences(expected, *reading.plan).isEmpty()) {
            state.SkipWithError("the card does not read back as the show");
            return;
        }
    }
}
BENCHMARK(BM_VerifyFullShowCard)->Unit(benchmark::kMillisecond);

// The show's side too: the plan of a full project for the table.
void BM_PlanOfFullShow(benchmark::State& state) {
    const auto show = bench::fullShow();
    for (auto _ : state)
        benchmark::DoNotOptimize(ShowPlan::forTable(*show, StopLabels::fileForm()));
}
BENCHMARK(BM_PlanOfFullShow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
