#pragma once

#include "soundtrack/SegmentCues.h"

#include <QObject>
#include <vector>

class QTimer;

namespace zyn {

class AudioPlayer;
class ShowDocument;

// Plays the show's soundtrack and tells where the music is, in show time:
// the playhead follows the samples the sound card has actually played (the
// sink's processed time less its latency), not a wall clock. Cues the
// playhead passes are announced; at a manual or timed stop playback pauses
// until the user goes on. Times are in hundredths of a second within the
// segment the soundtrack belongs to.
class Playback : public QObject {
    Q_OBJECT

public:
    explicit Playback(ShowDocument& document, QObject* parent = nullptr);
    ~Playback() override;

    bool playing() const;
    // Where the playhead is (also while paused).
    int position() const;

    void play();
    void pause();
    void toggle();
    // Moves the playhead; playing goes on from there.
    void seek(int centiseconds);

    // The time of the sample heard at this moment, to the nearest hundredth
    // (the playhead may be up to one tick behind it).
    int heardCentiseconds() const;

signals:
    void playingChanged(bool playing);
    // Often while playing (every few milliseconds), once after a seek.
    void positionChanged(int centiseconds);
    // The playhead reached the time of this cue row (1-based).
    void cueReached(int row);

private:
    void tick();
    void startPlayer();
    void stopPlayer();
    void warnNoSound();
    qint64 frameOf(int centiseconds) const;
    int startCentiseconds() const;

    ShowDocument& m_document;
    AudioPlayer* m_player = nullptr;
    QTimer* m_timer = nullptr;
    bool m_playing = false;
    int m_position = 0;
    // The cues of the soundtrack's segment, taken when playing starts, and
    // the next one the playhead will reach.
    std::vector<SegmentCues::Cue> m_cues;
    size_t m_next = 0;
    // The stop playback halted at: going on from its time fires the cues
    // after it in the table, not the ones before it again.
    int m_heldAtRow = 0;
};

} // namespace zyn
