// A ten-minute MP3 soundtrack: decoded to the timeline's waveform, its
// beats, and for comparison the same file decoded by ffmpeg to nothing
// (`ffmpeg -i FILE -f null -`), when ffmpeg is installed.
#include "fakes/ClickTrack.h"
#include "platform/audio/AubioBeatTracker.h"
#include "platform/audio/SndfileDecoder.h"
#include "soundtrack/PeakPyramid.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zyn;

// Written once per run: encoding takes longer than anything measured.
const QString& tenMinuteMp3() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("ten-minutes.mp3"));
        test::ClickTrack clicks;
        clicks.seconds = 600.0;
        return clicks.write(file, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) ? file : QString();
    }();
    return path;
}

AudioDecoder::Result decoded(const QString& path) {
    const std::atomic_bool never{false};
    return SndfileDecoder(LanguageTexts()).decode(path, {}, never);
}

void BM_DecodeMp3ToPeaks(benchmark::State& state) {
    const QString& path = tenMinuteMp3();
    for (auto _ : state) {
        const AudioDecoder::Result result = decoded(path);
        if (!result.error.isEmpty() || result.audio.frames() == 0) {
            state.SkipWithError("the MP3 cannot be decoded");
            return;
        }
        benchmark::DoNotOptimize(PeakPyramid::build(result.audio));
    }
}
BENCHMARK(BM_DecodeMp3ToPeaks)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FfmpegDecodeMp3(benchmark::State& state) {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        state.SkipWithError("ffmpeg is not installed");
        return;
    }
    const QStringList arguments = {"-v", "error", "-i", tenMinuteMp3(), "-f", "null", "-"};
    for (auto _ : state) {
        if (QProcess::execute(ffmpeg, arguments) != 0) {
            state.SkipWithError("ffmpeg failed");
            return;
        }
    }
}
BENCHMARK(BM_FfmpegDecodeMp3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BeatsOfMp3(benchmark::State& state) {
    const AudioDecoder::Result result = decoded(tenMinuteMp3());
    if (!result.error.isEmpty()) {
        state.SkipWithError("the MP3 cannot be decoded");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(AubioBeatTracker().track(result.audio));
}
BENCHMARK(BM_BeatsOfMp3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
