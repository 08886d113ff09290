// The stream a decoding child sends, as a child taken over by a crafted
// audio file could send it: the codecs run in the child, so this reader is
// what such a file can reach in the program itself. The first byte sets the
// sizes of the pieces the pipe delivers.

#include "FuzzSupport.h"
#include "platform/audio/PcmStream.h"
#include "platform/audio/PcmStreamReader.h"

#include <algorithm>

namespace {

// Small, so that an announced length within it is quickly reached.
constexpr qint64 MaxSampleBytes = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using zyn::fuzz::check;
    using State = zyn::PcmStreamReader::State;
    if (size == 0)
        return 0;
    const qsizetype piece = qsizetype(data[0]) + 1;
    const QByteArray stream = zyn::fuzz::bytesOf(data + 1, size - 1);
    zyn::PcmStreamReader reader(MaxSampleBytes);
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        const bool more =
            reader.take(QByteArrayView(stream).sliced(at, std::min(piece, stream.size() - at)));
        check(more == (reader.state() == State::Reading), "take() is true while reading");
        check(reader.fraction() >= 0.0 && reader.fraction() <= 1.0, "progress within 0 to 1");
    }
    const State state = reader.finish();
    const zyn::DecodedAudio audio = reader.takeAudio();
    if (state != State::Complete) {
        check(audio.samples.empty(), "a failed stream gives no samples");
        return 0;
    }
    check(audio.channels >= 1 && audio.channels <= zyn::PcmStream::MaxChannels,
          "channels in range");
    check(audio.sampleRate >= 1 && audio.sampleRate <= zyn::PcmStream::MaxSampleRate,
          "rate in range");
    check(audio.samples.size() % size_t(audio.channels) == 0, "whole frames");
    check(qint64(audio.samples.size() * sizeof(qint16)) <= MaxSampleBytes, "within the limit");
    return 0;
}
