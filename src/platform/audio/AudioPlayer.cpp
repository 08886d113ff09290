#include "AudioPlayer.h"

#include "SampleSource.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace zyn {

namespace {

// Short enough that a seek is heard at once, long enough that a busy event
// loop does not starve the sound card.
constexpr qsizetype BufferMs = 100;

QAudioFormat formatOf(const DecodedAudio& audio) {
    QAudioFormat format;
    format.setSampleRate(audio.sampleRate);
    format.setChannelCount(audio.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

AudioPlayer::AudioPlayer(QObject* parent) : QObject(parent) {}

AudioPlayer::~AudioPlayer() {
    stop();
}

bool AudioPlayer::fail(Error why) {
    stop();
    m_error = why;
    return false;
}

bool AudioPlayer::play(std::shared_ptr<const DecodedAudio> audio, qint64 frame) {
    stop();
    m_error = Error::None;
    if (!audio || audio->sampleRate <= 0 || audio->channels <= 0)
        return fail(Error::FormatRejected);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return fail(Error::NoOutput);
    const QAudioFormat format = formatOf(*audio);
    if (!device.isFormatSupported(format))
        return fail(Error::FormatRejected);
    m_audio = std::move(audio);
    m_firstFrame = std::clamp<qint64>(frame, 0, m_audio->frames());
    m_source = std::make_unique<SampleSource>(m_audio, m_firstFrame);
    m_source->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(format.bytesForDuration(BufferMs * 1000));
    m_sink->start(m_source.get());
    if (m_sink->error() != QAudio::NoError)
        return fail(Error::OpenFailed);
    return true;
}

void AudioPlayer::stop() {
    if (m_sink) {
        // The sink's last position stays readable until the next play.
        m_firstFrame = heardFrame();
        m_sink->stop();
        m_sink.reset();
    }
    m_source.reset();
}

bool AudioPlayer::playing() const {
    return m_sink != nullptr;
}

qint64 AudioPlayer::heardFrame() const {
    if (!m_sink)
        return m_firstFrame;
    // The sink's processed time counts what the server has taken from it less
    // the server's own latency: the frame at the loudspeaker, not the one
    // handed over last, so what waits in the buffer is already left out.
    const qint64 processed = m_sink->format().framesForDuration(m_sink->processedUSecs());
    return std::clamp<qint64>(m_firstFrame + processed, m_firstFrame, m_audio->frames());
}

} // namespace zyn
