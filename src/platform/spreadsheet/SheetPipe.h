#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <functional>
#include <string>

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

// The child's end of the pipe: the outcome first, then for a sheet that was
// read its non-empty cells, then finish(). Writes are buffered.
class SheetWriter {
public:
    explicit SheetWriter(int fd) : m_fd(fd) {}

    void begin(Sheet::Outcome outcome, QByteArrayView detail = {});
    void integer(int row, int column, qint32 value);
    void number(int row, int column, double value);
    void text(int row, int column, QByteArrayView utf8);
    // A time or date as "HH:MM:SS" or "YYYY-MM-DD HH:MM:SS"; the hours lose
    // their leading zero on the way, as other workbook formats give them.
    void clockText(int row, int column, QByteArrayView utf8);
    // Ends the sheet; false when the pipe would not take it.
    bool finish();

private:
    template<typename T> void put(T value);
    void putBytes(QByteArrayView bytes);
    void cell(quint8 tag, int row, int column);
    bool flush();

    int m_fd;
    std::string m_buffer;
    bool m_ok = true;
};

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
