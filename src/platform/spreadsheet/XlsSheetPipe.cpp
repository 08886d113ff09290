#include "XlsSheetPipe.h"

#include "CellText.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <freexl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::XlsSheetPipe {

namespace {

// The stream: a header (outcome byte, the library's result code), then for a
// sheet that was read one record per non-empty cell (tag, row, column, value)
// and the end tag. Both ends are the same program, so values travel in the
// machine's own byte order.
enum class Tag : quint8 { End, Integer, Number, Text, ClockText };

// The most cells a sheet of this format can hold; a crafted size beyond it
// would only keep the child busy.
constexpr unsigned int MaxRows = 65536;
constexpr unsigned short MaxColumns = 256;

// Buffered writes to the pipe, in the child.
class StreamWriter {
public:
    explicit StreamWriter(int fd) : m_fd(fd) {}

    template<typename T> void put(T value) {
        m_buffer.append(reinterpret_cast<const char*>(&value), sizeof value);
        if (m_buffer.size() >= FlushSize)
            flush();
    }
    void putText(const char* text) {
        const auto length = quint32(text ? std::strlen(text) : 0);
        put(length);
        m_buffer.append(text ? text : "", length);
        if (m_buffer.size() >= FlushSize)
            flush();
    }
    bool flush() {
        const char* data = m_buffer.data();
        size_t left = m_buffer.size();
        while (m_ok && left > 0) {
            const ssize_t written = ::write(m_fd, data, left);
            if (written < 0 && errno == EINTR)
                continue;
            m_ok = written > 0;
            data += written > 0 ? written : 0;
            left -= written > 0 ? size_t(written) : 0;
        }
        m_buffer.clear();
        return m_ok;
    }

private:
    static constexpr size_t FlushSize = 64 * 1024;
    int m_fd;
    std::string m_buffer;
    bool m_ok = true;
};

void putCell(StreamWriter& out, unsigned int row, unsigned short column,
             const FreeXL_CellValue& value) {
    const auto start = [&](Tag tag) {
        out.put(tag);
        out.put(quint32(row));
        out.put(quint16(column));
    };
    switch (value.type) {
    case FREEXL_CELL_INT:
        start(Tag::Integer);
        out.put(qint32(value.value.int_value));
        break;
    case FREEXL_CELL_DOUBLE:
        start(Tag::Number);
        out.put(value.value.double_value);
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
        start(Tag::Text);
        out.putText(value.value.text_value);
        break;
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        start(Tag::ClockText);
        out.putText(value.value.text_value);
        break;
    default:
        break;
    }
}

// Reads values from the stream, refusing to run past its end.
class StreamReader {
public:
    explicit StreamReader(QByteArrayView stream) : m_stream(stream) {}

    template<typename T> bool get(T* value) {
        if (m_stream.size() - m_at < qsizetype(sizeof(T)))
            return false;
        std::memcpy(value, m_stream.data() + m_at, sizeof(T));
        m_at += sizeof(T);
        return true;
    }
    bool getText(QByteArrayView* text) {
        quint32 length = 0;
        if (!get(&length) || m_stream.size() - m_at < qsizetype(length))
            return false;
        *text = m_stream.sliced(m_at, length);
        m_at += length;
        return true;
    }
    bool atEnd() const { return m_at == m_stream.size(); }

private:
    QByteArrayView m_stream;
    qsizetype m_at = 0;
};

// The library's "HH:MM:SS" and "YYYY-MM-DD HH:MM:SS" in the form the other
// workbook formats give: hours without a leading zero.
QString unpadHours(QByteArrayView text) {
    static const QRegularExpression hours(QStringLiteral(R"((^|\s)0(\d):)"));
    return QString::fromUtf8(text).replace(hours, QStringLiteral("\\1\\2:"));
}

Sheet failed(const QString& detail) {
    Sheet sheet;
    sheet.detail = detail;
    return sheet;
}

Sheet damagedStream() {
    return failed(QStringLiteral("the .xls reader sent an incomplete sheet"));
}

void stopChild(pid_t child) {
    ::kill(child, SIGKILL);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Everything the child writes until it closes the pipe; false when it takes
// too long or sends too much.
bool collect(int fd, int timeoutMs, QByteArray* stream, QString* why) {
    const QDeadlineTimer deadline(timeoutMs);
    char buffer[64 * 1024];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, int(deadline.remainingTime()));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled == 0) {
            *why = QStringLiteral("the .xls reader did not finish in time");
            return false;
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return true;
        if (stream->size() + got > MaxStreamBytes) {
            *why = QStringLiteral("the sheet is too large");
            return false;
        }
        stream->append(buffer, got);
    }
}

} // namespace

int writeSheet(const char* path, int fd) {
    StreamWriter out(fd);
    const auto header = [&](Sheet::Outcome outcome, int code) {
        out.put(quint8(outcome));
        out.put(qint32(code));
    };
    // The handle is never closed: the child ends right after, and closing
    // runs the library over its damaged data once more.
    const void* handle = nullptr;
    const int opened = freexl_open(path, &handle);
    if (opened != FREEXL_OK) {
        header(opened == FREEXL_BIFF_WORKBOOK_NOT_FOUND ? Sheet::Outcome::NotAWorkbook
                                                        : Sheet::Outcome::Failed,
               opened);
        return out.flush() ? 0 : 1;
    }
    unsigned int protection = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
        protection != FREEXL_BIFF_PLAIN) {
        header(Sheet::Outcome::Protected, FREEXL_OK);
        return out.flush() ? 0 : 1;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    int result = freexl_select_active_worksheet(handle, 0);
    if (result == FREEXL_OK)
        result = freexl_worksheet_dimensions(handle, &rows, &columns);
    if (result != FREEXL_OK) {
        header(Sheet::Outcome::Failed, result);
        return out.flush() ? 0 : 1;
    }
    header(Sheet::Outcome::Read, FREEXL_OK);
    rows = std::min(rows, MaxRows);
    columns = std::min(columns, MaxColumns);
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, row, column, &value) == FREEXL_OK)
                putCell(out, row, column, value);
        }
    }
    out.put(Tag::End);
    return out.flush() ? 0 : 1;
}

Sheet decode(QByteArrayView stream) {
    StreamReader in(stream);
    quint8 outcome = 0;
    qint32 code = 0;
    if (!in.get(&outcome) || !in.get(&code) || outcome > quint8(Sheet::Outcome::Failed))
        return damagedStream();
    switch (Sheet::Outcome(outcome)) {
    case Sheet::Outcome::Read:
        break;
    case Sheet::Outcome::NotAWorkbook:
        return {Sheet::Outcome::NotAWorkbook, QStringLiteral("it holds no workbook"), {}};
    case Sheet::Outcome::Protected:
        return {Sheet::Outcome::Protected, QStringLiteral("it is protected by a password"), {}};
    case Sheet::Outcome::Failed:
        return failed(QStringLiteral("the .xls reader reports error %1").arg(code));
    }
    Sheet sheet;
    sheet.outcome = Sheet::Outcome::Read;
    for (;;) {
        Tag tag = Tag::End;
        if (!in.get(&tag))
            return damagedStream();
        if (tag == Tag::End)
            break;
        quint32 row = 0;
        quint16 column = 0;
        if (!in.get(&row) || !in.get(&column) || row >= MaxRows || column >= MaxColumns)
            return damagedStream();
        QString text;
        qint32 integer = 0;
        double number = 0;
        QByteArrayView bytes;
        switch (tag) {
        case Tag::Integer:
            if (!in.get(&integer))
                return damagedStream();
            text = QString::number(integer);
            break;
        case Tag::Number:
            if (!in.get(&number))
                return damagedStream();
            text = CellText::number(number);
            break;
        case Tag::Text:
        case Tag::ClockText:
            if (!in.getText(&bytes))
                return damagedStream();
            text = tag == Tag::Text ? QString::fromUtf8(bytes) : unpadHours(bytes);
            break;
        default:
            return damagedStream();
        }
        if (!text.isEmpty())
            sheet.cells.insert(Sheet::key(int(row), int(column)), text);
    }
    if (!in.atEnd())
        return damagedStream();
    return sheet;
}

Sheet read(const QString& path, int timeoutMs) {
    const QByteArray encodedPath = QFile::encodeName(path);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return failed(QStringLiteral("cannot start the .xls reader: %1").arg(qt_error_string()));
    const pid_t child = ::fork();
    if (child < 0) {
        const QString why = qt_error_string();
        ::close(fds[0]);
        ::close(fds[1]);
        return failed(QStringLiteral("cannot start the .xls reader: %1").arg(why));
    }
    if (child == 0) {
        ::close(fds[0]);
        ::_exit(writeSheet(encodedPath.constData(), fds[1]));
    }
    ::close(fds[1]);
    QByteArray stream;
    QString why;
    const bool complete = collect(fds[0], timeoutMs, &stream, &why);
    ::close(fds[0]);
    if (!complete) {
        stopChild(child);
        return failed(why);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return failed(QStringLiteral("the .xls reader was lost"));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return failed(QStringLiteral("the .xls reader stopped on this file"));
    return decode(stream);
}

} // namespace zyn::XlsSheetPipe
