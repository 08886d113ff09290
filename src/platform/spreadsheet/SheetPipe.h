#pragma once

#include "SheetWriter.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace zyn {

// The first sheet of a workbook, read in a child process. The workbook
// libraries are not safe on damaged files: crafted ones make the .xls
// library read and write outside its buffers and the archive library stop
// the program on a failed assertion. So they run only in a child that sends
// the sheet's cells through a pipe and ends, and whatever a library did ends
// with it. A child that crashes, sends no complete sheet, outgrows its memory
// or outlasts its time leaves the file unread, reported as damaged.
namespace SheetPipe {

// The most a sheet may send; a cue list is a small fraction of it.
inline constexpr qsizetype MaxStreamBytes = 256 * 1024 * 1024;
inline constexpr int DefaultTimeoutMs = 20000;
// Columns A to Z: no reader of a cue list looks further.
inline constexpr int SentColumns = 26;

// What runs in the child: reads the workbook and writes its sheet.
using ChildReader = std::function<void(SheetWriter&)>;

// Runs `reader` in a child process and returns the sheet it sent, waiting
// at most `timeoutMs`.
Sheet read(const ChildReader& reader, int timeoutMs = DefaultTimeoutMs);

// The stream a child sent, or why there is none: the first half of read().
struct Received {
    QByteArray stream;
    QString failure; // "" when the child sent its stream and ended well
};
Received receive(const ChildReader& reader, int timeoutMs = DefaultTimeoutMs);

// Turns a stream back into cells; a stream that is cut short or malformed
// gives Failed.
Sheet decode(QByteArrayView stream);

} // namespace SheetPipe
} // namespace zyn
