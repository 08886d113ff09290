#pragma once

#include "soundtrack/DecodedAudio.h"

#include <QIODevice>
#include <memory>

namespace zyn {

// The decoded samples as a read-only byte stream for the sound card, from a
// given frame on. It shares the samples (nothing is copied or decoded again)
// and ends with the last frame.
class SampleSource : public QIODevice {
    Q_OBJECT

public:
    SampleSource(std::shared_ptr<const DecodedAudio> audio, qint64 firstFrame,
                 QObject* parent = nullptr);

    // A sink reading in pull mode starts on the first readyRead, which this
    // device announces once, on the event loop's next turn after opening.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 totalBytes() const;

    std::shared_ptr<const DecodedAudio> m_audio;
    qint64 m_offset = 0; // in bytes from the first sample
};

} // namespace zyn
