// Save and load of a full show: 3200 timed cues with 64-character
// descriptions and every one of the 3200 channels assigned.
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

std::unique_ptr<Show> fullShow() {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    for (int r = 1; r <= MaxCues; ++r) {
        CueRow& cue = show->cues.row(r);
        const qint64 t = qint64(r) * 37;
        cue.TimeText =
            TimeCode{int(t / 360000), int(t / 6000 % 60), int(t / 100 % 60), int(t % 100)}.text();
        cue.Description = QStringLiteral("Cue %1 comet, red and gold, with crackling tail: ")
                              .arg(r, 4, 10, QLatin1Char('0'))
                              .leftJustified(64, u'x', true);
    }
    int cue = 1;
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c, ++cue)
            show->ics.cell(s, c) =
                QString::number(cue) + QStringLiteral("-") + QString::number(cue % 10 + 1);
    }
    return show;
}

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
