#pragma once

#include "platform/AudioDecoder.h"
#include "platform/BeatTracker.h"

#include <QThread>

namespace zyn::test {

// A decoder without files: "silence" is a second of silence at 1 kHz,
// "slow" reports progress and waits until it is cancelled (two seconds at
// most), anything else is refused with its path as the message.
class FakeAudioDecoder : public AudioDecoder {
public:
    Result decode(const QString& path, const Progress& progress,
                  const std::atomic_bool& cancel) const override {
        Result result;
        if (path == u"silence") {
            progress(0.5);
            result.audio = {1000, 1, std::vector<qint16>(1000)};
        } else if (path == u"slow") {
            // Ends its file although cancelled, as a decoder may that was
            // nearly done: the loader must not announce it.
            progress(0.1);
            for (int waited = 0; !cancel && waited < 2000; waited += 5)
                QThread::msleep(5);
            result.audio = {1000, 1, std::vector<qint16>(2000)};
        } else {
            result.error = path;
        }
        return result;
    }
};

// A beat on every tenth of a second of the audio.
class FakeBeatTracker : public BeatTracker {
public:
    BeatGrid track(const DecodedAudio& audio) const override {
        BeatGrid grid{600.0, {}};
        for (int tenth = 0; tenth < int(audio.duration() * 10); ++tenth)
            grid.beats.push_back(tenth / 10.0);
        return grid;
    }
};

} // namespace zyn::test
