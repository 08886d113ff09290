#include "ControllerSession.h"

#include "TransferTextId.h"
#include "platform/SerialLink.h"
#include "settings/LanguageTexts.h"

namespace zyn {

const QByteArray ControllerSession::ReadRequest("\xB1\x09\xBA", 3);

ControllerSession::ControllerSession(SerialLink& link, ControllerTable table, QObject* parent)
    : QObject(parent), m_link(link), m_table(std::move(table)) {}

ControllerSession::~ControllerSession() {
    if (m_phase != Phase::Idle && m_phase != Phase::Finished) {
        m_link.disarmTimeout();
        m_link.close();
    }
}

void ControllerSession::start() {
    if (m_phase != Phase::Idle)
        return;
    m_phase = Phase::Searching;
    tryPortsFrom(FirstPort);
    pump();
}

void ControllerSession::stop() {
    if (m_phase != Phase::Finished)
        finish(Outcome::Stopped);
}

void ControllerSession::bytesReceived(const QByteArray& bytes) {
    if (m_phase == Phase::Idle || m_phase == Phase::Finished)
        return; // no exchange runs: nothing is owed to anyone
    m_input.append(bytes);
    pump();
}

void ControllerSession::timedOut() {
    if (!m_waiting || !m_armed)
        return; // the wait it was armed for has ended
    m_waiting = false;
    m_armed = false;
    if (m_phase == Phase::Searching) {
        m_link.close();
        tryPortsFrom(m_port + 1);
    } else {
        finish(Outcome::Failed);
    }
    pump();
}

// The read request on each port in turn; the first port that opens and takes
// the request waits for its reply.
void ControllerSession::tryPortsFrom(int port) {
    for (m_port = port; m_port <= LastPort; ++m_port) {
        if (!m_link.open(m_port))
            continue;
        dropInput();
        if (!m_link.write(ReadRequest)) {
            m_link.close();
            continue;
        }
        m_received = 0;
        beginWait();
        return;
    }
    finish(Outcome::NoController);
}

void ControllerSession::beginTransfer() {
    m_foundPort = m_port;
    m_phase = Phase::Transferring;
    // Reply bytes beyond the sixteen are nobody's acknowledgement.
    dropInput();
    emit portFound(m_foundPort, m_link.deviceName(m_foundPort));
    if (m_phase != Phase::Transferring)
        return; // stopped by a receiver of the signal
    m_unit = 0;
    m_progress = 0;
    emit progressChanged(m_progress);
    if (m_phase == Phase::Transferring)
        sendUnitsUntilAWait();
}

void ControllerSession::sendUnitsUntilAWait() {
    const std::vector<TableUnit>& units = m_table.units();
    for (; m_unit < units.size(); ++m_unit) {
        const TableUnit& unit = units[m_unit];
        if (!m_link.write(unit.bytes)) {
            finish(Outcome::Failed);
            return;
        }
        if (unit.acknowledged) {
            beginWait();
            return;
        }
    }
    m_phase = Phase::FinalAcknowledgement;
    m_received = 0;
    beginWait();
}

void ControllerSession::takeByte(quint8 byte) {
    switch (m_phase) {
    case Phase::Searching:
        takeReplyByte();
        break;
    case Phase::Transferring:
        takeAcknowledgement(byte);
        break;
    case Phase::FinalAcknowledgement:
        takeFinalByte(byte);
        break;
    case Phase::Idle:
    case Phase::Finished:
        break;
    }
}

// The reply's content is not examined; only its sixteen bytes count.
void ControllerSession::takeReplyByte() {
    if (++m_received < ReplySize)
        beginWait();
    else
        beginTransfer();
}

// Exactly one 0x06 per unit: another byte, or a second byte already waiting
// behind it, means the controller and this side no longer agree on where in
// the table they are, and every further unit could be misread.
void ControllerSession::takeAcknowledgement(quint8 byte) {
    if (byte != Acknowledge || m_readPos < m_input.size()) {
        finish(Outcome::Failed);
        return;
    }
    const bool step = m_table.units()[m_unit].progressStep;
    ++m_unit;
    if (step) {
        ++m_progress;
        emit progressChanged(m_progress);
        if (m_phase != Phase::Transferring)
            return;
    }
    sendUnitsUntilAWait();
}

void ControllerSession::takeFinalByte(quint8 byte) {
    const int index = m_received++;
    if ((index == 0 && byte != FinalFirst) || (index == 2 && byte != Acknowledge)) {
        finish(Outcome::Failed);
        return;
    }
    if (m_received < FinalSize)
        beginWait();
    else
        finish(Outcome::Succeeded);
}

void ControllerSession::beginWait() {
    m_waiting = true;
    m_armed = false;
}

// Hands the buffered bytes to the waits that are open, one byte per wait, and
// starts the time-out of a wait that is still open afterwards.
void ControllerSession::pump() {
    while (m_waiting && m_readPos < m_input.size()) {
        const quint8 byte = quint8(m_input[m_readPos++]);
        m_waiting = false;
        takeByte(byte);
    }
    if (m_readPos >= m_input.size()) {
        m_input.clear();
        m_readPos = 0;
    }
    if (m_waiting && !m_armed) {
        m_link.armTimeout(ByteTimeoutMs);
        m_armed = true;
    }
}

void ControllerSession::dropInput() {
    m_input.clear();
    m_readPos = 0;
    m_link.discardInput();
}

void ControllerSession::finish(Outcome outcome) {
    const bool portOpen = m_phase != Phase::Idle && m_phase != Phase::Finished;
    m_phase = Phase::Finished;
    m_waiting = false;
    m_armed = false;
    m_input.clear();
    m_readPos = 0;
    if (portOpen) {
        m_link.disarmTimeout();
        m_link.close();
    }
    m_outcome = outcome;
    emit finished(outcome);
}

int ControllerSession::resultText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Succeeded:
        return TransferTextId::TransferSucceeded;
    case Outcome::NoController:
        return TransferTextId::NoControllerFound;
    case Outcome::Failed:
        return TransferTextId::TransferFailed;
    case Outcome::Stopped:
        break;
    }
    return 0;
}

QString ControllerSession::portLabel(const LanguageTexts& texts, int port, const QString& device) {
    const QString label = texts.text(TransferTextId::PortLabel);
    if (port <= 0)
        return label + texts.text(TransferTextId::NoPortFound);
    QString text = label + u' ' + QString::number(port);
    if (!device.isEmpty())
        text += QStringLiteral(" (") + device + u')';
    return text;
}

} // namespace zyn
