// Save and load of a full show: 3200 timed cues with 64-character
// descriptions and every one of the 3200 channels assigned.
#include "FullShow.h"
#include "editor/TimeCode.h"
#include "show/ProjectKey.h"
#include "show/ProjectReader.h"
#include "show/ProjectWriter.h"
#include "show/Show.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace zyn;

const StopLabels Labels{QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
                        QStringLiteral("RESET STOP")};

using bench::fullShow;

void BM_SaveFullShow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.zyn"));
    auto show = fullShow();
    const ProjectWriter writer(Labels, buildProjectCodecKey());
    for (auto _ : state) {
        show->state.ShowChanged = true;
        if (writer.save(*show, path))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveFullShow)->Unit(benchmark::kMillisecond);

void BM_LoadFullShow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.zyn"));
    auto show = fullShow();
    ProjectWriter(Labels, buildProjectCodecKey()).save(*show, path);
    const ProjectReader reader(Labels, buildProjectCodecKey());
    auto loaded = std::make_unique<Show>();
    for (auto _ : state) {
        if (reader.load(path, *loaded).error)
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_LoadFullShow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
