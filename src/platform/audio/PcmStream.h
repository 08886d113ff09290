#pragma once

#include <QtGlobal>

// The stream a decoding child sends its parent: a header, then blocks of
// 16-bit samples, then an end record with the number of frames sent, or a
// failure record instead of any of it. All numbers in the machine's order:
// both ends are the same program.
//
//   header   'H' qint32 sampleRate, qint32 channels, qint64 expectedFrames
//   samples  'S' quint32 count, count x qint16 (whole frames)
//   end      'E' qint64 frames
//   failure  'F' quint8 PcmStream::Failure
namespace zyn::PcmStream {

enum Tag : char { Header = 'H', Samples = 'S', End = 'E', Fail = 'F' };

enum class Failure : quint8 { Unsupported = 1, Damaged = 2 };

inline constexpr int MaxChannels = 8;
inline constexpr int MaxSampleRate = 384000;
// Samples in one block: a block is read whole before it is taken.
inline constexpr quint32 MaxBlockSamples = 1u << 16;

} // namespace zyn::PcmStream
