#include "SoundtrackLoader.h"

#include "platform/AudioDecoder.h"
#include "platform/BeatTracker.h"

#include <QThread>

namespace zyn {

namespace {

// Decoding is most of the work; the peaks and the beats share the rest.
constexpr double DecodedShare = 0.8;
constexpr double PeaksShare = 0.85;

} // namespace

struct SoundtrackLoader::Job {
    QString path;
    std::atomic_bool cancelled{false};
};

SoundtrackLoader::SoundtrackLoader(const AudioDecoder& decoder, const BeatTracker& tracker,
                                   QObject* parent)
    : QObject(parent), m_decoder(decoder), m_tracker(tracker) {}

SoundtrackLoader::~SoundtrackLoader() {
    cancel();
    // Every worker still posting to this object ends before it goes.
    for (QThread* thread : findChildren<QThread*>(Qt::FindDirectChildrenOnly))
        thread->wait();
}

void SoundtrackLoader::load(const QString& path) {
    cancel();
    auto job = std::make_shared<Job>();
    job->path = path;
    m_job = job;
    QThread* thread = QThread::create([this, job] { run(job); });
    thread->setParent(this);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void SoundtrackLoader::cancel() {
    if (m_job)
        m_job->cancelled = true;
    m_job.reset();
}

void SoundtrackLoader::run(const std::shared_ptr<Job>& job) {
    AudioDecoder::Result decoded = m_decoder.decode(
        job->path, [this, job](double fraction) { report(job, fraction * DecodedShare); },
        job->cancelled);
    if (decoded.cancelled || job->cancelled)
        return;
    if (!decoded.error.isEmpty()) {
        finish(job, nullptr, decoded.error);
        return;
    }
    auto audio = std::make_shared<SoundtrackAudio>();
    audio->audio = std::move(decoded.audio);
    audio->peaks = PeakPyramid::build(audio->audio);
    report(job, PeaksShare);
    if (job->cancelled)
        return;
    audio->beats = m_tracker.track(audio->audio);
    finish(job, std::move(audio), {});
}

// Called on the worker: the signal goes out on the loader's thread, and only
// while the job is still the current one.
void SoundtrackLoader::report(const std::shared_ptr<Job>& job, double fraction) {
    QMetaObject::invokeMethod(
        this,
        [this, job, fraction] {
            if (job == m_job)
                emit progress(fraction);
        },
        Qt::QueuedConnection);
}

void SoundtrackLoader::finish(const std::shared_ptr<Job>& job,
                              std::shared_ptr<const SoundtrackAudio> audio, const QString& error) {
    QMetaObject::invokeMethod(
        this,
        [this, job, audio = std::move(audio), error] {
            if (job != m_job)
                return;
            m_job.reset();
            if (audio)
                emit finished(audio);
            else
                emit failed(error);
        },
        Qt::QueuedConnection);
}

} // namespace zyn
