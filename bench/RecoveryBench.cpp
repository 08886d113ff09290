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

// A changed full show and its recovery copy in a folder of its own.
struct KeptShow {
    KeptShow() : copy(dir.path(), buildProjectCodecKey()), show(bench::fullShow()) {
        copy.claim();
        show->state.ShowChanged = true;
    }
    FileError keep() { return copy.update(*show, OwnFile, Labels, QDateTime::currentDateTime()); }

    QTemporaryDir dir;
    RecoveryFile copy;
    std::unique_ptr<Show> show;
};

void BM_RecoveryCopyAfterAChange(benchmark::State& state) {
    KeptShow kept;
    int round = 0;
    for (auto _ : state) {
        kept.show->cues.row(1).Description = QString::number(++round);
        if (kept.keep())
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_RecoveryCopyAfterAChange)->Unit(benchmark::kMillisecond);

void BM_RecoveryCopyOfAnUnchangedShow(benchmark::State& state) {
    KeptShow kept;
    kept.keep();
    for (auto _ : state) {
        if (kept.keep())
            state.SkipWithError("check failed");
    }
}
BENCHMARK(BM_RecoveryCopyOfAnUnchangedShow)->Unit(benchmark::kMillisecond);

void BM_RestoreFullShow(benchmark::State& state) {
    KeptShow kept;
    kept.keep();
    auto restored = std::make_unique<Show>();
    RecoveryFile::Details details;
    for (auto _ : state) {
        if (kept.copy.restore(*restored, Labels, &details))
            state.SkipWithError("restore failed");
    }
}
BENCHMARK(BM_RestoreFullShow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
