#pragma once

#include "SerialPortList.h"
#include "platform/SerialLink.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

namespace zyn {

class ControllerSession;

// The serial link through QSerialPort, entirely event-driven: received bytes
// arrive through readyRead, writes go to the device at once without waiting,
// and the receive time-out is a deadline watched by one precise timer. A
// transfer arms thousands of short waits, so the timer is not restarted per
// wait: it runs on to the current deadline and only reports one that passed.
// When the time-out and bytes are due together, the bytes are delivered
// first, so a byte that made it in time always counts.
class QtSerialLink : public QObject, public SerialLink {
    Q_OBJECT

public:
    explicit QtSerialLink(SerialPortList ports, QObject* parent = nullptr);
    ~QtSerialLink() override;

    // Feeds the session with this link's bytes and time-outs.
    void attach(ControllerSession& session);

    bool open(int port) override;
    void close() override;
    bool write(QByteArrayView bytes) override;
    void discardInput() override;
    void armTimeout(int milliseconds) override;
    void disarmTimeout() override;
    QString deviceName(int port) const override { return m_ports.device(port); }

    // Why the last open failed, for diagnostics.
    QString lastError() const { return m_lastError; }

signals:
    void bytesReceived(const QByteArray& bytes);
    void timedOut();

private:
    void deliverPending();
    void expire();
    void dropLostDevice(QSerialPort::SerialPortError error);

    SerialPortList m_ports;
    QSerialPort m_port;
    QTimer m_timer;
    QDeadlineTimer m_deadline;
    bool m_armed = false;
    quint64 m_armings = 0; // tells an expiry from a re-arming made meanwhile
    QString m_lastError;
};

} // namespace zyn
