#pragma once

#include "SoundtrackAudio.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

namespace zyn {

class AudioDecoder;
class BeatTracker;

// Decodes a soundtrack and analyses it (peaks, beats) on a worker thread,
// so that the window never waits for it. One load at a time: a new load
// cancels the one before, whose result is never announced. Signals arrive
// on the loader's thread. The decoder and the tracker must outlive it.
class SoundtrackLoader : public QObject {
    Q_OBJECT
public:
    SoundtrackLoader(const AudioDecoder& decoder, const BeatTracker& tracker,
                     QObject* parent = nullptr);
    ~SoundtrackLoader() override;

    void load(const QString& path);
    // Stops the running load; it ends without finished() or failed().
    void cancel();
    bool isLoading() const { return m_job != nullptr; }

signals:
    // The share of the work done, 0 to 1.
    void progress(double fraction);
    void finished(std::shared_ptr<const zyn::SoundtrackAudio> audio);
    void failed(const QString& message);

private:
    struct Job;

    void run(const std::shared_ptr<Job>& job);
    void report(const std::shared_ptr<Job>& job, double fraction);
    void finish(const std::shared_ptr<Job>& job, std::shared_ptr<const SoundtrackAudio> audio,
                const QString& error);

    const AudioDecoder& m_decoder;
    const BeatTracker& m_tracker;
    std::shared_ptr<Job> m_job;
};

} // namespace zyn
