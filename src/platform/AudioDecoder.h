#pragma once

#include "soundtrack/DecodedAudio.h"

#include <QString>
#include <atomic>
#include <functional>

namespace zyn {

// Decodes an audio file (WAV, FLAC, Ogg Vorbis, MP3) to PCM. Blocking: run
// it on a worker. A damaged or unsupported file gives an error, never a
// crash of the program.
class AudioDecoder {
public:
    struct Result {
        DecodedAudio audio;
        QString error; // "" when the file was decoded
        bool cancelled = false;
    };
    // Fraction of the file decoded so far, 0 to 1.
    using Progress = std::function<void(double)>;

    virtual ~AudioDecoder() = default;
    virtual Result decode(const QString& path, const Progress& progress,
                          const std::atomic_bool& cancel) const = 0;
};

} // namespace zyn
