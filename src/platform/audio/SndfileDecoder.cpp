#include "SndfileDecoder.h"

#include "PcmStreamReader.h"
#include "PcmStreamWriter.h"
#include "platform/child/PipedChild.h"
#include "soundtrack/AudioTextId.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <sndfile.h>
#include <unistd.h>
#include <vector>

namespace zyn {

namespace {

// A long soundtrack decodes in seconds; a codec that sends nothing for this
// long is stuck on the file.
constexpr PipedChild::Limits DecodeLimits{300000, 15000};

using SndFile = std::unique_ptr<SNDFILE, decltype(&sf_close)>;

PcmStream::Failure openFailure() {
    const int error = sf_error(nullptr);
    return error == SF_ERR_UNRECOGNISED_FORMAT || error == SF_ERR_UNSUPPORTED_ENCODING
               ? PcmStream::Failure::Unsupported
               : PcmStream::Failure::Damaged;
}

qint16 toSample(float value) {
    return qint16(std::lrint(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

// Sends every frame the library gives; false when it fails on the way.
bool sendFrames(SNDFILE* file, int channels, PcmStreamWriter& out, qint64* frames) {
    const sf_count_t blockFrames = PcmStream::MaxBlockSamples / quint32(channels);
    std::vector<float> read(size_t(blockFrames * channels));
    std::vector<qint16> block(read.size());
    for (;;) {
        const sf_count_t got = sf_readf_float(file, read.data(), blockFrames);
        if (got <= 0)
            return sf_error(file) == SF_ERR_NO_ERROR;
        const size_t count = size_t(got * channels);
        std::transform(read.begin(), read.begin() + qsizetype(count), block.begin(), toSample);
        if (!out.samples(block.data(), quint32(count)))
            return false;
        *frames += got;
    }
}

} // namespace

int SndfileDecoder::writeStream(const QByteArray& encodedPath, int fd) {
    // The codecs complain about damaged files on the error stream, which is
    // the program's own; the parent words the failure itself.
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0)
        ::dup2(null, STDERR_FILENO);
    PcmStreamWriter out(fd);
    SF_INFO info{};
    const SndFile file(sf_open(encodedPath.constData(), SFM_READ, &info), &sf_close);
    if (!file)
        return out.fail(openFailure()) ? 0 : 1;
    if (info.channels <= 0 || info.channels > PcmStream::MaxChannels || info.samplerate <= 0 ||
        info.samplerate > PcmStream::MaxSampleRate)
        return out.fail(PcmStream::Failure::Unsupported) ? 0 : 1;
    if (!out.header(info.samplerate, info.channels, std::max<sf_count_t>(info.frames, 0)))
        return 1;
    qint64 frames = 0;
    if (!sendFrames(file.get(), info.channels, out, &frames))
        return out.fail(PcmStream::Failure::Damaged) ? 0 : 1;
    // A file cut short gives fewer frames than its header announced.
    if (frames < info.frames)
        return out.fail(PcmStream::Failure::Damaged) ? 0 : 1;
    return out.end(frames) ? 0 : 1;
}

AudioDecoder::Result SndfileDecoder::decode(const QString& path, const Progress& progress,
                                            const std::atomic_bool& cancel) const {
    const QFileInfo file(path);
    if (!file.exists())
        return failure(AudioTextId::FileMissing, path);
    if (!file.isFile() || !file.isReadable())
        return failure(AudioTextId::FileUnreadable, path);
    const QByteArray encodedPath = QFile::encodeName(path);
    PcmStreamReader reader(MaxSampleBytes);
    double shown = -1.0;
    const auto sink = [&](QByteArrayView piece) {
        const bool more = reader.take(piece);
        if (progress && reader.fraction() >= shown + 0.01) {
            shown = reader.fraction();
            progress(shown);
        }
        return more || reader.state() == PcmStreamReader::State::Complete;
    };
    const PipedChild::Outcome outcome =
        PipedChild::run([&encodedPath](int fd) { return writeStream(encodedPath, fd); }, sink,
                        DecodeLimits, &cancel);
    if (outcome.failure == PipedChild::Failure::Cancelled) {
        Result result;
        result.cancelled = true;
        return result;
    }
    if (reader.state() == PcmStreamReader::State::Unsupported)
        return failure(AudioTextId::UnsupportedFormat, path);
    if (outcome.failure != PipedChild::Failure::None ||
        reader.finish() != PcmStreamReader::State::Complete)
        return failure(AudioTextId::DamagedFile, path);
    Result result;
    result.audio = reader.takeAudio();
    return result;
}

AudioDecoder::Result SndfileDecoder::failure(int textId, const QString& path) const {
    Result result;
    result.error = m_texts.text(textId) + QStringLiteral(": ") + QDir::toNativeSeparators(path);
    return result;
}

} // namespace zyn
