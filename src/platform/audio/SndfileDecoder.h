#pragma once

#include "platform/AudioDecoder.h"
#include "settings/LanguageTexts.h"

namespace zyn {

// Decodes WAV, FLAC, Ogg Vorbis and MP3 through libsndfile. The library and
// its codecs are not safe on damaged files, so they run in a child process
// (PipedChild) that sends the samples back; a child that crashes, sends a
// broken stream or runs too long leaves the file reported as damaged.
class SndfileDecoder : public AudioDecoder {
public:
    // Keeps an hour and a half of 48 kHz stereo; a file beyond it is refused
    // as damaged rather than filling the machine's memory.
    static constexpr qint64 MaxSampleBytes = qint64(1) << 30;

    // `texts` word the errors.
    explicit SndfileDecoder(LanguageTexts texts) : m_texts(std::move(texts)) {}

    Result decode(const QString& path, const Progress& progress,
                  const std::atomic_bool& cancel) const override;

    // The child's work: decodes the file and writes the stream to `fd`;
    // returns the child's exit status.
    static int writeStream(const QByteArray& encodedPath, int fd);

private:
    Result failure(int textId, const QString& path) const;

    LanguageTexts m_texts;
};

} // namespace zyn
