#include "SheetPipe.h"

#include "CellName.h"
#include "CellText.h"
#include "platform/child/PipedChild.h"

#include <QFile>
#include <QRegularExpression>
#include <cstring>

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
    const auto body = [&reader](int fd) {
        SheetWriter out(fd);
        reader(out);
        return out.finish() ? 0 : 1;
    };
    const auto sink = [&received](QByteArrayView piece) {
        if (received.stream.size() + piece.size() > MaxStreamBytes)
            return false;
        received.stream.append(piece);
        return true;
    };
    const PipedChild::Outcome outcome = PipedChild::run(body, sink, {timeoutMs});
    switch (outcome.failure) {
    case PipedChild::Failure::None:
    case PipedChild::Failure::Cancelled:
        break;
    case PipedChild::Failure::CannotStart:
        received.failure =
            QStringLiteral("cannot start the workbook reader: %1").arg(outcome.detail);
        break;
    case PipedChild::Failure::TimedOut:
        received.failure = QStringLiteral("the workbook reader did not finish in time");
        break;
    case PipedChild::Failure::Refused:
        received.failure = QStringLiteral("the sheet is too large");
        break;
    case PipedChild::Failure::Stopped:
        received.failure = QStringLiteral("the workbook reader stopped on this file");
        break;
    }
    return received;
}

Sheet read(const ChildReader& reader, int timeoutMs) {
    const Received received = receive(reader, timeoutMs);
    return received.failure.isEmpty() ? decode(received.stream) : failed(received.failure);
}

} // namespace zyn::SheetPipe
