#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace zyn {

// The first sheet of an .xls file, read in a child process. The .xls library
// is not safe on damaged files: crafted ones make it read and write outside
// its buffers. So it runs only in a child that sends the sheet's cells
// through a pipe and ends, and whatever the library did to memory ends with
// it. A child that crashes, sends no complete sheet or outlasts its time
// leaves the file unread, reported as damaged.
namespace XlsSheetPipe {

// The most a sheet may send; a cue list is a small fraction of it.
inline constexpr qsizetype MaxStreamBytes = 256 * 1024 * 1024;
inline constexpr int DefaultTimeoutMs = 20000;

struct Sheet {
    enum class Outcome { Read, NotAWorkbook, Protected, Failed };

    Outcome outcome = Outcome::Failed;
    QString detail; // why the sheet was not read
    // The text of every non-empty cell by key(row, column), both 0-based.
    QHash<quint64, QString> cells;

    static quint64 key(int row, int column) {
        return (quint64(quint32(row)) << 32) | quint32(column);
    }
};

// Reads the sheet through a child process, waiting at most `timeoutMs`.
Sheet read(const QString& path, int timeoutMs = DefaultTimeoutMs);

// The two ends of the pipe, apart for the tests. writeSheet() runs in the
// child: it reads the file with the library and writes the stream to `fd`,
// returning the child's exit status. decode() turns a stream back into cells;
// a stream that is cut short or malformed gives Failed.
int writeSheet(const char* path, int fd);
Sheet decode(QByteArrayView stream);

} // namespace XlsSheetPipe
} // namespace zyn
