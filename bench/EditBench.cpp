// The cue sort and a whole-cue delete on a full show: 3200 rows, every
// other one empty (some of those still fired by a channel), and all 3200
// channels assigned.
#include "editor/CueEdits.h"
#include "editor/CueSort.h"
#include "editor/EditContext.h"
#include "editor/ShowSnapshot.h"
#include "editor/TimeCode.h"
#include "platform/Prompter.h"
#include "show/Show.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

using namespace zyn;

class NoQuestions : public Prompter {
public:
    bool ask(const QString&, const QString&) override { return true; }
    void warn(const QString&, const QString&) override {}
    void critical(const QString&, const QString&) override {}
};

LanguageTexts benchTexts() {
    QStringList texts(245);
    texts[224] = QStringLiteral("MANUAL STOP");
    texts[225] = QStringLiteral("TIMED STOP");
    texts[226] = QStringLiteral("RESET STOP");
    return LanguageTexts(texts);
}

std::unique_ptr<Show> fullShow() {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    for (int r = 1; r <= MaxCues; r += 2) {
        CueRow& cue = show->cues.row(r);
        // Descending times, so the sort has to move every row.
        const qint64 t = qint64(MaxCues - r) * 37;
        cue.TimeText =
            TimeCode{int(t / 360000), int(t / 6000 % 60), int(t / 100 % 60), int(t % 100)}.text();
        cue.Description = QStringLiteral("Cue %1 comet").arg(r);
    }
    int channel = 0;
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c, ++channel) {
            // Mostly timed cues; every tenth channel fires an empty row.
            const int cue = channel % 10 == 0 ? (channel % MaxCues) + 2 : (channel % MaxCues) | 1;
            show->ics.cell(s, c) = QString::number(cue) + u'-' + QString::number(c % 10 + 1);
        }
    }
    return show;
}

void runOnCopies(benchmark::State& state, const std::function<void(EditContext&)>& operation) {
    auto show = fullShow();
    const ShowSnapshot original = ShowSnapshot::of(*show);
    const LanguageTexts texts = benchTexts();
    Settings settings;
    settings.askBeforeDelete = false;
    NoQuestions prompter;
    EditContext context{*show, texts, settings, prompter};
    for (auto _ : state) {
        state.PauseTiming();
        original.restoreTo(*show);
        state.ResumeTiming();
        operation(context);
        benchmark::DoNotOptimize(show->ics.cell(1, 1));
    }
}

void BM_SortFullShow(benchmark::State& state) {
    runOnCopies(state, [](EditContext& context) { CueSort(context).sort(false, 1); });
}
BENCHMARK(BM_SortFullShow)->Unit(benchmark::kMillisecond);

void BM_DeleteFirstCueOfFullShow(benchmark::State& state) {
    runOnCopies(state, [](EditContext& context) {
        CueEdits(context).cb_CUE_Delete(CueSelection::single(1));
    });
}
BENCHMARK(BM_DeleteFirstCueOfFullShow)->Unit(benchmark::kMillisecond);

void BM_SnapshotFullShow(benchmark::State& state) {
    auto show = fullShow();
    for (auto _ : state)
        benchmark::DoNotOptimize(ShowSnapshot::of(*show));
}
BENCHMARK(BM_SnapshotFullShow)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
