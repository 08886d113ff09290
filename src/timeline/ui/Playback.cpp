#include "Playback.h"

#include "PlaybackTextId.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "platform/audio/AudioPlayer.h"
#include "settings/TextId.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace zyn {

namespace {

// Often enough that a cue lights within a hundredth of its time.
constexpr int TickMs = 5;

} // namespace

Playback::Playback(ShowDocument& document, QObject* parent)
    : QObject(parent), m_document(document), m_player(new AudioPlayer(this)),
      m_timer(new QTimer(this)) {
    m_timer->setInterval(TickMs);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Playback::tick);
    m_position = startCentiseconds();
    // Other music, or none: what played belongs to the old one.
    connect(&document, &ShowDocument::audioChanged, this, &Playback::pause);
    connect(&document, &ShowDocument::soundtrackChanged, this, &Playback::pause);
    connect(&document, &ShowDocument::showReplaced, this, &Playback::pause);
}

Playback::~Playback() = default;

bool Playback::playing() const {
    return m_playing;
}

int Playback::position() const {
    return m_position;
}

int Playback::startCentiseconds() const {
    return m_document.soundtrack().startCentiseconds;
}

qint64 Playback::frameOf(int centiseconds) const {
    const auto& audio = m_document.audio();
    if (!audio)
        return 0;
    return std::max<qint64>(0, qint64(centiseconds - startCentiseconds()) *
                                   audio->audio.sampleRate / 100);
}

int Playback::heardCentiseconds() const {
    const auto& audio = m_document.audio();
    if (!m_playing || !audio || audio->audio.sampleRate <= 0)
        return m_position;
    const double seconds = double(m_player->heardFrame()) / audio->audio.sampleRate;
    return startCentiseconds() + int(std::lround(seconds * 100.0));
}

void Playback::play() {
    const auto& audio = m_document.audio();
    if (m_playing || !audio || audio->audio.frames() == 0)
        return;
    m_position = std::max(m_position, startCentiseconds());
    if (frameOf(m_position) >= audio->audio.frames())
        return;
    m_cues = SegmentCues::of(m_document.show.cues, m_document.texts().stopLabels(),
                             m_document.soundtrack().segment);
    const auto firstAhead = std::find_if(m_cues.begin(), m_cues.end(), [this](const auto& cue) {
        return cue.centiseconds > m_position ||
               (cue.centiseconds == m_position && cue.row > m_heldAtRow);
    });
    m_next = size_t(firstAhead - m_cues.begin());
    m_heldAtRow = 0;
    startPlayer();
}

void Playback::startPlayer() {
    const auto& audio = m_document.audio();
    // The player shares the samples with the document.
    const std::shared_ptr<const DecodedAudio> samples(audio, &audio->audio);
    if (!m_player->play(samples, frameOf(m_position))) {
        warnNoSound();
        return;
    }
    m_playing = true;
    m_timer->start();
    emit playingChanged(true);
}

void Playback::warnNoSound() {
    QString message;
    switch (m_player->error()) {
    case AudioPlayer::Error::FormatRejected: {
        const DecodedAudio& audio = m_document.audio()->audio;
        message = m_document.text(PlaybackTextId::FormatRejected)
                      .arg(audio.sampleRate)
                      .arg(audio.channels);
        break;
    }
    case AudioPlayer::Error::OpenFailed:
        message = m_document.text(PlaybackTextId::OutputNotOpened);
        break;
    default:
        message = m_document.text(PlaybackTextId::NoSoundOutput);
        break;
    }
    m_document.prompter.warn(message, m_document.text(TextId::WarningTitle));
}

void Playback::stopPlayer() {
    m_timer->stop();
    m_player->stop();
    m_playing = false;
    emit playingChanged(false);
}

void Playback::pause() {
    if (!m_playing)
        return;
    m_position = heardCentiseconds();
    stopPlayer();
    emit positionChanged(m_position);
}

void Playback::toggle() {
    if (m_playing)
        pause();
    else
        play();
}

void Playback::seek(int centiseconds) {
    const bool wasPlaying = m_playing;
    if (wasPlaying)
        stopPlayer();
    m_position = std::max(0, centiseconds);
    m_heldAtRow = 0;
    emit positionChanged(m_position);
    if (wasPlaying)
        play();
}

void Playback::tick() {
    const qint64 frames = m_document.audio() ? m_document.audio()->audio.frames() : 0;
    const int heard = heardCentiseconds();
    while (m_next < m_cues.size() && m_cues[m_next].centiseconds <= heard) {
        const SegmentCues::Cue cue = m_cues[m_next++];
        emit cueReached(cue.row);
        if (cue.stop) {
            // The controller halts here until the show is told to go on.
            m_heldAtRow = cue.row;
            m_position = cue.centiseconds;
            stopPlayer();
            emit positionChanged(m_position);
            return;
        }
    }
    if (heard != m_position) {
        m_position = heard;
        emit positionChanged(m_position);
    }
    if (m_player->heardFrame() >= frames)
        pause();
}

} // namespace zyn
