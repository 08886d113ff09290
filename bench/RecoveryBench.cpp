// The recovery copy of a full show (3200 timed cues with 64-character
// descriptions, every channel assigned): the write after a bulk change, the
// minute's check of a show that did not change, and the restore at start.
#include "FullShow.h"
#include "show/ProjectKey.h"
#include "show/RecoveryFile.h"
#include "show/Show.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zyn;

const StopLabels Labels{QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
                        QStringLiteral("RESET STOP")};
const QString OwnFile = QStringLiteral("/shows/full.zyn");

void BM_RecoveryCopyAfterAChange(benchmark::State& state) {
    QTemporaryDir dir;
    RecoveryFile copy(dir.path(), buildProjectCodecKey());
    copy.claim();
    auto show = bench::fullShow();
    show->state.ShowChanged = true;
    int round = 0;
    for (auto _ : state) {
        show->cues.row(1).Description = QString::number(++round);
        if (copy.update(*show, OwnFile, Labels, QDateTime::currentDateTime()))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_RecoveryCopyAfterAChange)->Unit(benchmark::kMillisecond);

void BM_RecoveryCopyOfAnUnchangedShow(benchmark::State& state) {
    QTemporaryDir dir;
    RecoveryFile copy(dir.path(), buildProjectCodecKey());
    copy.claim();
    auto show = bench::fullShow();
    show->state.ShowChanged = true;
    copy.update(*show, OwnFile, Labels, QDateTime::currentDateTime());
    for (auto _ : state) {
        if (copy.update(*show, OwnFile, Labels, QDateTime::currentDateTime()))
            state.SkipWithError("check failed");
    }
}
BENCHMARK(BM_RecoveryCopyOfAnUnchangedShow)->Unit(benchmark::kMillisecond);

void BM_RestoreFullShow(benchmark::State& state) {
    QTemporaryDir dir;
    RecoveryFile copy(dir.path(), buildProjectCodecKey());
    copy.claim();
    auto show = bench::fullShow();
    show->state.ShowChanged = true;
    copy.update(*show, OwnFile, Labels, QDateTime::currentDateTime());
    auto restored = std::make_unique<Show>();
    RecoveryFile::Details details;
    for (auto _ : state) {
        if (copy.restore(*restored, Labels, &details))
            state.SkipWithError("restore failed");
    }
}
BENCHMARK(BM_RestoreFullShow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
