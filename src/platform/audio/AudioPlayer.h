#pragma once

#include "soundtrack/DecodedAudio.h"

#include <QObject>
#include <memory>

class QAudioSink;

namespace zyn {

class SampleSource;

// Plays decoded audio on the default output through the sound server. The
// position it reports is the frame the listener hears now: what the sink has
// processed less what still waits in its buffer, so it follows the sound
// card's clock and not the program's.
class AudioPlayer : public QObject {
    Q_OBJECT

public:
    enum class Error {
        None,
        NoOutput,       // no sound server answers, or it has no output device
        FormatRejected, // the output cannot play the samples' rate or channels
        OpenFailed,     // the output refused to open
    };

    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    // Starts playing from `frame`, ending any earlier playing. False when no
    // output can play it; error() then says why.
    bool play(std::shared_ptr<const DecodedAudio> audio, qint64 frame);
    void stop();

    bool playing() const;
    // The frame heard now (after stop(), the one heard last).
    qint64 heardFrame() const;
    Error error() const { return m_error; }

private:
    bool fail(Error why);

    std::shared_ptr<const DecodedAudio> m_audio;
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<SampleSource> m_source;
    qint64 m_firstFrame = 0;
    Error m_error = Error::None;
};

} // namespace zyn
