#pragma once

#include "ControllerTable.h"

#include <QByteArray>
#include <QObject>
#include <optional>

namespace zyn {

class LanguageTexts;
class SerialLink;

// One serial transfer to the firing controller, as a state machine driven by
// events: start(), the bytes that arrive, the expiry of the link's receive
// time-out, and stop(). It never waits; each event does its work and returns.
//
//   search   ports 1..30 in order: open, B1 09 BA, 16 reply bytes -> found
//   transfer each unit in one write; an acknowledged unit waits for exactly
//            one 0x06 before the next; the 16 filler bytes and the checksum
//            go out without a wait
//   final    C2, any byte, 06, any byte
//
// Every awaited byte has its own window of ByteTimeoutMs from the start of
// its wait. Invariants: after a failure or a stop no further byte is written
// and the port is closed; the outcome is Succeeded only when every
// acknowledgement and the final acknowledgement were right.
class ControllerSession : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Succeeded,    // every acknowledgement right
        NoController, // no port from 1 to 30 answered the read request
        Failed,       // an acknowledgement was missing or wrong, or a write failed
        Stopped,      // stop() ended the exchange
    };
    Q_ENUM(Outcome)

    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 30;
    static constexpr int ByteTimeoutMs = 150;
    static constexpr int ReplySize = 16;
    static constexpr quint8 Acknowledge = 0x06;
    static constexpr quint8 FinalFirst = 0xC2;
    static constexpr int FinalSize = 4;
    static const QByteArray ReadRequest; // B1 09 BA: 0xBA is the sum of the other two

    // The table must be one the builder did not refuse.
    ControllerSession(SerialLink& link, ControllerTable table, QObject* parent = nullptr);
    ~ControllerSession() override;

    // Searches the ports and transfers; only the first call does anything.
    // When no port can be opened, finished() is emitted before it returns.
    void start();
    // Ends the exchange at once and closes the port (outcome Stopped), unless
    // it has finished already.
    void stop();

    // Events from the link. Slots must not delete the session; deleteLater()
    // is safe.
    void bytesReceived(const QByteArray& bytes);
    void timedOut();

    bool isFinished() const { return m_outcome.has_value(); }
    std::optional<Outcome> outcome() const { return m_outcome; }
    int foundPort() const { return m_foundPort; } // 0 while none
    int progress() const { return m_progress; }   // 0 .. ControllerTable::ProgressSteps

    // The language text of an outcome for the result line (0: none to show).
    static int resultText(Outcome outcome);
    // The port line: text 157, a blank, the port and its device; text 157
    // directly followed by text 158 when no port was found.
    static QString portLabel(const LanguageTexts& texts, int port, const QString& device);

signals:
    void portFound(int port, const QString& device);
    // From 0 at the start of the transfer, one step per acknowledged unit
    // that is a progress step.
    void progressChanged(int value);
    void finished(zyn::ControllerSession::Outcome outcome);

private:
    enum class Phase { Idle, Searching, Transferring, FinalAcknowledgement, Finished };

    void tryPortsFrom(int port);
    void beginTransfer();
    void sendUnitsUntilAWait();
    void takeByte(quint8 byte);
    void takeReplyByte();
    void takeAcknowledgement(quint8 byte);
    void takeFinalByte(quint8 byte);
    void beginWait();
    void pump();
    void dropInput();
    void finish(Outcome outcome);

    SerialLink& m_link;
    const ControllerTable m_table;
    Phase m_phase = Phase::Idle;
    std::optional<Outcome> m_outcome;
    int m_port = 0;         // the port being tried or used
    int m_foundPort = 0;    // the port that answered
    int m_received = 0;     // bytes of the reply or the final acknowledgement so far
    std::size_t m_unit = 0; // the next unit to send, or the one awaiting its 0x06
    int m_progress = 0;
    QByteArray m_input;
    qsizetype m_readPos = 0;
    bool m_waiting = false; // a byte is awaited
    bool m_armed = false;   // the time-out runs for the current wait
};

} // namespace zyn
