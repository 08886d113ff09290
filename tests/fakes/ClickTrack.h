#pragma once

#include <QFile>
#include <QString>
#include <cmath>
#include <sndfile.h>
#include <vector>

namespace zyn::test {

// A click track written through libsndfile: a 1 kHz click that dies away
// within a tenth of a second, on every beat from the first sample on, in
// stereo. Links libsndfile (PkgConfig::SNDFILE).
struct ClickTrack {
    double seconds = 10.0;
    double bpm = 120.0;
    int sampleRate = 44100;

    double clickSeconds(int beat) const { return beat * 60.0 / bpm; }

    // `format` as libsndfile names it (SF_FORMAT_WAV | SF_FORMAT_PCM_16, ...);
    // false when the file could not be written.
    bool write(const QString& path, int format) const {
        SF_INFO info{};
        info.samplerate = sampleRate;
        info.channels = 2;
        info.format = format;
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        if (!file)
            return false;
        const std::vector<float> frames = samples();
        const sf_count_t count = sf_count_t(frames.size() / 2);
        const bool written = sf_writef_float(file, frames.data(), count) == count;
        return sf_close(file) == 0 && written;
    }

private:
    std::vector<float> samples() const {
        const auto frames = size_t(seconds * sampleRate);
        const double period = 60.0 / bpm;
        std::vector<float> out(frames * 2);
        for (size_t i = 0; i < frames; ++i) {
            const double t = double(i) / sampleRate;
            const double since = std::fmod(t, period);
            const double value = 0.8 * std::sin(2 * M_PI * 1000.0 * t) * std::exp(-since / 0.015);
            out[2 * i] = out[2 * i + 1] = float(value);
        }
        return out;
    }
};

} // namespace zyn::test
