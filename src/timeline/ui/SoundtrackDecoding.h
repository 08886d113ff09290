#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QToolButton;

namespace zyn {

class AubioBeatTracker;
class ShowDocument;
class SndfileDecoder;
class SoundtrackLoader;
struct SoundtrackAudio;

// Decodes the show's soundtrack whenever the document names one it has no
// samples for, on a worker, and gives the result to the document. While it
// reads, it shows how far it got and offers to stop; the window goes on
// answering. A file that cannot be decoded is reported once, by name.
class SoundtrackDecoding : public QWidget {
    Q_OBJECT

public:
    explicit SoundtrackDecoding(ShowDocument& document, QWidget* parent = nullptr);
    ~SoundtrackDecoding() override;

    bool reading() const;

private:
    void follow();
    void start(const QString& file);
    void stop();
    void finished(std::shared_ptr<const SoundtrackAudio> audio);
    void failed(const QString& message);
    void relabel();

    ShowDocument& m_document;
    std::unique_ptr<AubioBeatTracker> m_tracker;
    // Made afresh for each file: the decoder words its errors in the language
    // of the moment.
    std::unique_ptr<SndfileDecoder> m_decoder;
    std::unique_ptr<SoundtrackLoader> m_loader;
    QString m_file;
    QLabel* m_label = nullptr;
    QProgressBar* m_progress = nullptr;
    QToolButton* m_stop = nullptr;
};

} // namespace zyn
