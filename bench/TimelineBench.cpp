// One paint of the editor's timeline at 1600 px: a full show's 3200 markers
// over the waveform and beats of a ten-minute soundtrack, all in view.
#include "FullShow.h"
#include "editor/EditContext.h"
#include "timeline/ui/TimelineMarkers.h"
#include "timeline/ui/TimelinePainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace zyn;

constexpr int Width = 1600;
constexpr int Height = 200;
constexpr int Minutes = 10;

std::shared_ptr<const SoundtrackAudio> tenMinutesOfMusic() {
    auto music = std::make_shared<SoundtrackAudio>();
    DecodedAudio& audio = music->audio;
    audio.sampleRate = 44100;
    audio.channels = 2;
    audio.samples.resize(size_t(audio.sampleRate) * 60 * Minutes * 2);
    for (size_t i = 0; i < audio.samples.size(); ++i)
        audio.samples[i] = qint16(12000 * std::sin(double(i) * 0.013) * std::sin(double(i) * 1e-6));
    music->peaks = PeakPyramid::build(audio);
    for (double beat = 0; beat < 60.0 * Minutes; beat += 0.5)
        music->beats.beats.push_back(beat);
    return music;
}

TimelineContent fullContent() {
    auto show = bench::fullShow();
    for (int r = 1; r <= MaxCues; ++r) {
        const int t = r * 18; // all 3200 cues within the ten minutes
        show->cues.row(r).TimeText =
            TimeCode{t / 360000, t / 6000 % 60, t / 100 % 60, t % 100}.text();
    }
    TimelineContent content;
    content.markers = TimelineMarkers(*show, StopLabels::fileForm()).inSegment(1);
    content.audio = tenMinutesOfMusic();
    content.selection = {100, 140};
    content.playhead = 30000;
    return content;
}

void paintTimeline(benchmark::State& state) {
    const TimelineContent content = fullContent();
    TimelineScale scale;
    scale.perPixel = 60.0 * 100 * Minutes / Width;
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    const QPalette palette;
    for (auto _ : state) {
        QPainter painter(&image);
        TimelinePainter(painter, image.rect(), scale, palette).paint(content);
    }
    state.counters["markers"] = double(content.markers.size());
}
BENCHMARK(paintTimeline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
