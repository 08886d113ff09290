#pragma once

#include "Soundtrack.h"
#include "show/FileError.h"
#include "show/ShowLimits.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zyn {

// The soundtrack of a project, kept beside its project file so that the
// project file itself stays as older programs read it: `show.zyn` has
// `show.zynaudio`, a UTF-8 text a user can read and mend:
//
//   [Soundtrack]
//   File=music/finale.wav
//   Start=00:01:30:25
//   Segment=1
//
// File is relative to the project's folder when the audio lies below it,
// otherwise absolute; its value is taken exactly as written. Start is the
// show time hh:mm:ss:cc of the first sample, Segment (1 when left out) the
// segment it counts in. Blank lines and lines starting with ';' or '#' are
// passed over; anything else the program would not write is refused, so a
// damaged file is reported rather than half believed.
namespace SoundtrackFile {

inline constexpr char Suffix[] = "zynaudio";
// Far above any real file; a larger one is not a soundtrack file.
inline constexpr qint64 MaxFileSize = 64 * 1024;

// The companion of the project file at `projectPath`.
QString pathFor(const QString& projectPath);

// The audio path as the companion keeps it for a project in `folder`, and
// back to the absolute path the program works with.
QString storedPath(const QString& audio, const QString& folder);
QString resolvedPath(const QString& stored, const QString& folder);

// The show time hh:mm:ss:cc, and back; nothing for a text of another form or
// minutes or seconds of 60 and more. Times outside 0 to MaxStart are written
// as the nearest of the two.
inline constexpr int MaxStart = ((99 * 60 + 59) * 60 + 59) * 100 + 99;
QString startText(int centiseconds);
std::optional<int> startFrom(QStringView text);

// Segment 1 runs up to the first reset stop, and every cue may be one.
inline constexpr int MaxSegment = MaxCues + 1;

// The text of the companion; nothing when the path holds a control character,
// which the line-based file cannot keep. A start or segment out of range is
// written as the nearest one the file can hold.
std::optional<QByteArray> bytes(const Soundtrack& soundtrack, const QString& folder);
// Reads companion content into `soundtrack`, which stays empty on failure;
// `path` names the file in errors, `folder` resolves relative audio paths.
FileError parse(const QByteArray& content, const QString& path, const QString& folder,
                Soundtrack* soundtrack);

// The soundtrack beside the project; none (and no error) when there is no
// companion.
struct Loaded {
    Soundtrack soundtrack;
    FileError error;
};
Loaded load(const QString& projectPath);
// Writes the companion atomically, or removes it when the soundtrack is not
// set, so that a show without music never picks up an old file's.
FileError save(const QString& projectPath, const Soundtrack& soundtrack);

} // namespace SoundtrackFile
} // namespace zyn
