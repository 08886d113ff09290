#pragma once

#include <QIODevice>

namespace zyn::test {

// A device that accepts `capacity` bytes and then refuses every write, like
// a disk that fills up part-way through a file.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity) : m_capacity(capacity) {}

    QByteArray written() const { return m_written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    qint64 m_capacity;
    QByteArray m_written;
};

} // namespace zyn::test
