#include "SheetPipe.h"

#include "CellName.h"
#include "CellText.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyn::SheetPipe {

namespace {

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
    bool getBytes(QByteArrayView* bytes) {
        quint32 length = 0;
        if (!get(&length) || m_stream.size() - m_at < qsizetype(length))
            return false;
        *bytes = m_stream.sliced(m_at, length);
        m_at += length;
        return true;
    }
    bool atEnd() const { return m_at == m_stream.size(); }

private:
    QByteArrayView m_stream;
    qsizetype m_at = 0;
};

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
    return failed(QStringLiteral("the workbook reader sent an incomplete sheet"));
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
            *why = QStringLiteral("the workbook reader did not finish in time");
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

// Crafted sizes make a library ask for gigabytes. The child may grow by this
// much beyond the memory it started with; an allocation past it fails inside
// the child, not in the machine's memory.
constexpr rlim_t MaxChildGrowth = rlim_t(1) << 30;

// Runs in the child between fork and exit, so only with system calls: the
// data pages it inherited from /proc/self/statm (sixth field), plus the room
// to grow.
void limitChildMemory() {
    char text[256];
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    const ssize_t size = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (size <= 0)
        return;
    text[size] = '\0';
    rlim_t pages = 0;
    int field = 0;
    for (const char* at = text; *at && field < 6; ++at) {
        if (*at == ' ')
            ++field;
        else if (field == 5 && *at >= '0' && *at <= '9')
            pages = pages * 10 + rlim_t(*at - '0');
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_DATA, &limit) != 0)
        return;
    limit.rlim_cur =
        std::min(limit.rlim_max, pages * rlim_t(::sysconf(_SC_PAGESIZE)) + MaxChildGrowth);
    ::setrlimit(RLIMIT_DATA, &limit);
}

} // namespace

Sheet decode(QByteArrayView stream) {
    StreamReader in(stream);
    quint8 outcome = 0;
    QByteArrayView detail;
    if (!in.get(&outcome) || !in.getBytes(&detail) || outcome > quint8(Sheet::Outcome::Failed))
        return damagedStream();
    if (Sheet::Outcome(outcome) != Sheet::Outcome::Read) {
        quint8 end = 0;
        if (!in.get(&end) || end != End || !in.atEnd())
            return damagedStream();
        return {Sheet::Outcome(outcome), QString::fromUtf8(detail), {}, {}};
    }
    Sheet sheet;
    sheet.outcome = Sheet::Outcome::Read;
    for (;;) {
        quint8 tag = End;
        if (!in.get(&tag))
            return damagedStream();
        if (tag == End)
            break;
        quint32 row = 0;
        quint32 column = 0;
        if (!in.get(&row) || !in.get(&column) || row >= quint32(CellName::MaxRows) ||
            column >= quint32(CellName::MaxColumns))
            return damagedStream();
        QString text;
        qint32 integer = 0;
        double number = 0;
        QByteArrayView bytes;
        switch (tag) {
        case Integer:
            if (!in.get(&integer))
                return damagedStream();
            text = QString::number(integer);
            break;
        case Number:
            if (!in.get(&number))
                return damagedStream();
            text = CellText::number(number);
            break;
        case Text:
        case ClockText:
            if (!in.getBytes(&bytes))
                return damagedStream();
            text = tag == Text ? QString::fromUtf8(bytes) : unpadHours(bytes);
            break;
        default:
            return damagedStream();
        }
        if (text.isEmpty())
            continue;
        sheet.cells.insert(Sheet::key(int(row), int(column)), text);
        if (tag == ClockText)
            sheet.wholeSecondTimes.insert(Sheet::key(int(row), int(column)));
    }
    if (!in.atEnd())
        return damagedStream();
    return sheet;
}

Received receive(const ChildReader& reader, int timeoutMs) {
    Received received;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        received.failure =
            QStringLiteral("cannot start the workbook reader: %1").arg(qt_error_string());
        return received;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        received.failure =
            QStringLiteral("cannot start the workbook reader: %1").arg(qt_error_string());
        ::close(fds[0]);
        ::close(fds[1]);
        return received;
    }
    if (child == 0) {
        ::close(fds[0]);
        limitChildMemory();
        SheetWriter out(fds[1]);
        reader(out);
        ::_exit(out.finish() ? 0 : 1);
    }
    ::close(fds[1]);
    const bool complete = collect(fds[0], timeoutMs, &received.stream, &received.failure);
    ::close(fds[0]);
    if (!complete) {
        stopChild(child);
        return received;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            received.failure = QStringLiteral("the workbook reader was lost");
            return received;
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        received.failure = QStringLiteral("the workbook reader stopped on this file");
    return received;
}

Sheet read(const ChildReader& reader, int timeoutMs) {
    const Received received = receive(reader, timeoutMs);
    return received.failure.isEmpty() ? decode(received.stream) : failed(received.failure);
}

} // namespace zyn::SheetPipe
