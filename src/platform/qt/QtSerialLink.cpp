#include "QtSerialLink.h"

#include "transfer/ControllerSession.h"

#include <cerrno>
#include <unistd.h>

namespace zyn {

namespace {

// Bytes the port may hold before the program has taken them.
constexpr qint64 ReadBufferSize = 1024;

} // namespace

QtSerialLink::QtSerialLink(SerialPortList ports, QObject* parent)
    : QObject(parent), m_ports(std::move(ports)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialLink::deliverPending);
    connect(&m_timer, &QTimer::timeout, this, &QtSerialLink::expire);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::dropLostDevice);
}

QtSerialLink::~QtSerialLink() {
    close();
}

void QtSerialLink::attach(ControllerSession& session) {
    connect(this, &QtSerialLink::bytesReceived, &session, &ControllerSession::bytesReceived);
    connect(this, &QtSerialLink::timedOut, &session, &ControllerSession::timedOut);
}

bool QtSerialLink::open(int port) {
    close();
    const QString device = m_ports.device(port);
    if (device.isEmpty()) {
        m_lastError = QStringLiteral("no port %1").arg(port);
        return false;
    }
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud115200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(ReadBufferSize);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = device + QStringLiteral(": ") + m_port.errorString();
        return false;
    }
    m_port.clearError();
    return true;
}

void QtSerialLink::close() {
    disarmTimeout();
    m_timer.stop();
    if (m_port.isOpen())
        m_port.close();
}

bool QtSerialLink::write(QByteArrayView bytes) {
    if (!m_port.isOpen())
        return false;
    // Straight to the device while the port queues nothing of its own, so the
    // bytes leave now instead of on the next turn of the event loop; never
    // blocks, the descriptor is non-blocking.
    qsizetype done = 0;
    while (m_port.bytesToWrite() == 0 && done < bytes.size()) {
        const ssize_t n =
            ::write(m_port.handle(), bytes.data() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        else
            return false;
    }
    // What the device could not take yet, the port sends as room appears.
    const QByteArrayView rest = bytes.sliced(done);
    return rest.isEmpty() || m_port.write(rest.data(), rest.size()) == rest.size();
}

void QtSerialLink::discardInput() {
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Input);
}

void QtSerialLink::armTimeout(int milliseconds) {
    ++m_armings;
    m_armed = true;
    m_deadline = QDeadlineTimer(milliseconds, Qt::PreciseTimer);
    if (!m_timer.isActive() || m_timer.remainingTime() > milliseconds)
        m_timer.start(milliseconds);
}

void QtSerialLink::disarmTimeout() {
    ++m_armings;
    m_armed = false;
}

// A device that went away (cable pulled, adapter unplugged) is closed at once:
// its descriptor would otherwise keep reporting the hang-up. The time-out stays
// armed, so the wait in progress ends as a missing byte.
void QtSerialLink::dropLostDevice(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::ResourceError && m_port.isOpen())
        m_port.close();
}

void QtSerialLink::deliverPending() {
    if (!m_port.isOpen() || m_port.bytesAvailable() <= 0)
        return;
    emit bytesReceived(m_port.readAll());
}

void QtSerialLink::expire() {
    if (!m_armed)
        return;
    if (!m_deadline.hasExpired()) {
        m_timer.start(int(qMax<qint64>(1, m_deadline.remainingTime())));
        return;
    }
    const quint64 armedAs = m_armings;
    // Bytes already at the port when the time-out fired arrived in time. A
    // zero-time poll: it reads what is there and never waits.
    if (m_port.isOpen())
        m_port.waitForReadyRead(0);
    deliverPending();
    if (m_armed && armedAs == m_armings) {
        m_armed = false;
        emit timedOut();
    }
}

} // namespace zyn
