// The reports of a full show: 3200 timed cues with 64-character descriptions
// and every one of the 3200 channels assigned. The pool is built with the
// real font metrics, and the PDF holds every page.
#include "FullShow.h"
#include "editor/TimeCode.h"
#include "reports/Report.h"
#include "reports/ReportBuilder.h"
#include "reports/render/FontMeasurer.h"
#include "reports/render/ReportPdf.h"
#include "settings/LanguageTexts.h"
#include "show/Show.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace zyn;

LanguageTexts texts() {
    QStringList list(300);
    list[11] = QStringLiteral("Time");
    list[12] = QStringLiteral("Description");
    list[13] = QStringLiteral("Slave");
    list[14] = QStringLiteral("Ch");
    list[15] = QStringLiteral("Cue");
    list[209] = QStringLiteral("Channel List");
    list[210] = QStringLiteral("Time List");
    list[211] = QStringLiteral("Date:");
    list[212] = QStringLiteral("Page");
    list[213] = QStringLiteral("Slave");
    list[214] = QStringLiteral("Channel");
    list[215] = QStringLiteral("Level");
    return LanguageTexts(list);
}

using bench::fullShow;

Report build(const Show& show, const LanguageTexts& language, const TextMeasurer& measurer,
             qint16 kind) {
    const ReportBuilder builder(show, language, measurer, {});
    Report report = builder.windowLoad();
    report.Kind = kind;
    builder.sb_Make_DatenPool(report);
    return report;
}

void BM_TimeListPool(benchmark::State& state) {
    const auto show = fullShow(int(state.range(0)));
    const LanguageTexts language = texts();
    const FontMeasurer measurer;
    for (auto _ : state) {
        const Report report = build(*show, language, measurer, TimeListReport);
        benchmark::DoNotOptimize(report.RowCount);
        state.counters["rows"] = report.RowCount;
        state.counters["pages"] = report.PageCount;
    }
}
// One channel per cue; 32 channels on each of the first 100 cues (wrapped).
BENCHMARK(BM_TimeListPool)->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

void BM_ChannelListPool(benchmark::State& state) {
    const auto show = fullShow(1);
    const LanguageTexts language = texts();
    const FontMeasurer measurer;
    for (auto _ : state)
        benchmark::DoNotOptimize(build(*show, language, measurer, ChannelListReport).RowCount);
}
BENCHMARK(BM_ChannelListPool)->Unit(benchmark::kMillisecond);

void BM_TimeListPdf(benchmark::State& state) {
    const auto show = fullShow(1);
    const LanguageTexts language = texts();
    const FontMeasurer measurer;
    const Report report = build(*show, language, measurer, TimeListReport);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("times.pdf"));
    for (auto _ : state) {
        if (ReportPdf::save(report, language, QDate(2024, 3, 5), path))
            state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = report.PageCount;
}
BENCHMARK(BM_TimeListPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
