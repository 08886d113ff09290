// The serial protocol as a state machine, driven event by event against a
// scripted link: what goes out, when it waits, and how it ends.
#include "transfer/ControllerSession.h"

#include "fakes/QtPrinters.h"
#include "platform/SerialLink.h"
#include "show/Show.h"
#include "transfer/TableBuilder.h"

#include <QList>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace zyn;
using Outcome = ControllerSession::Outcome;

namespace {

// Records every call; ports in `present` open, the others do not.
class ScriptedLink : public SerialLink {
public:
    std::set<int> present;
    int failWriteNumber = 0; // the n-th write (1-based) fails; 0: none
    QList<int> opened;
    QList<QByteArray> writes; // in order, across all ports
    int openPort = 0;
    QList<int> armings; // the interval of every arming
    bool armed = false;

    bool open(int port) override {
        close();
        if (!present.count(port))
            return false;
        opened.append(port);
        openPort = port;
        return true;
    }
    void close() override {
        openPort = 0;
        armed = false;
    }
    bool write(QByteArrayView bytes) override {
        if (openPort == 0)
            return false;
        writes.append(bytes.toByteArray());
        return writes.size() != failWriteNumber;
    }
    void discardInput() override {}
    void armTimeout(int milliseconds) override {
        armings.append(milliseconds);
        armed = true;
    }
    void disarmTimeout() override { armed = false; }
    QString deviceName(int port) const override { return QStringLiteral("/dev/port%1").arg(port); }
};

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

const QByteArray Reply(16, '\x55');
const QByteArray Ack(1, '\x06');
const int Acknowledged = ControllerTable::AcknowledgedUnitCount;

const ControllerTable& sampleTable() {
    static const ControllerTable table = [] {
        auto show = std::make_unique<Show>();
        show->clearForTimeCodedShow();
        show->ics.cell(1, 1) = QStringLiteral("2-3");
        return TableBuilder(StopLabels::fileForm()).build(*show).table;
    }();
    return table;
}

// A session on a scripted link, with what it signalled.
struct Rig {
    explicit Rig(std::set<int> ports = {1}) {
        link.present = std::move(ports);
        QObject::connect(&session, &ControllerSession::progressChanged,
                         [this](int value) { progress.append(value); });
        QObject::connect(&session, &ControllerSession::finished,
                         [this](Outcome outcome) { finished.append(outcome); });
        QObject::connect(&session, &ControllerSession::portFound,
                         [this](int port, const QString& device) {
                             found.append(QString::number(port) + u' ' + device);
                         });
    }

    // Starts, answers the read request and acknowledges `units` units.
    void runTo(int units) {
        session.start();
        session.bytesReceived(Reply);
        for (int i = 0; i < units && !session.isFinished(); ++i)
            session.bytesReceived(Ack);
    }

    void expectEndedWithPortClosed(Outcome outcome) {
        ASSERT_EQ(finished, QList<Outcome>{outcome});
        EXPECT_EQ(link.openPort, 0);
        EXPECT_FALSE(link.armed);
        // Whatever arrives later changes nothing and sends nothing.
        const qsizetype writes = link.writes.size();
        session.bytesReceived(QByteArray(8, '\x06'));
        session.timedOut();
        session.start();
        EXPECT_EQ(link.writes.size(), writes);
        EXPECT_EQ(finished.size(), 1);
    }

    ScriptedLink link;
    ControllerSession session{link, sampleTable()};
    QList<int> progress;
    QList<Outcome> finished;
    QStringList found;
};

TEST(SerialSession, PortsAreTriedInOrderUntilOneAnswersSixteenBytes) {
    // Ports 1 and 2 open but stay silent, 3 is missing, 4 answers; 5 is never tried.
    Rig rig({1, 2, 4, 5});
    rig.session.start();
    EXPECT_EQ(rig.link.writes, QList<QByteArray>{hex("B109BA")});
    rig.session.timedOut();
    rig.session.bytesReceived(Reply.first(15)); // fifteen bytes are not enough
    rig.session.timedOut();
    ASSERT_EQ(rig.link.openPort, 4);
    rig.session.bytesReceived(Reply);
    EXPECT_EQ(rig.link.opened, (QList<int>{1, 2, 4}));
    EXPECT_EQ(rig.session.foundPort(), 4);
    EXPECT_EQ(rig.found, QStringList{"4 /dev/port4"});
    EXPECT_EQ(rig.link.writes.size(), 4); // three requests, then the first unit
    EXPECT_EQ(rig.link.writes.last(), sampleTable().units()[0].bytes);
    EXPECT_EQ(rig.progress, QList<int>{0});
}

TEST(SerialSession, NoPortAnsweringEndsWithNoControllerAfterPortThirty) {
    std::set<int> ports;
    for (int p = 1; p <= 31; ++p)
        ports.insert(p);
    Rig rig(ports);
    rig.session.start();
    for (int p = 1; p <= 30 && !rig.session.isFinished(); ++p) {
        ASSERT_EQ(rig.link.openPort, p);
        rig.session.timedOut();
    }
    EXPECT_EQ(rig.link.writes, QList<QByteArray>(30, hex("B109BA")));
    rig.expectEndedWithPortClosed(Outcome::NoController);
    EXPECT_EQ(rig.session.foundPort(), 0);
}

TEST(SerialSession, EachAwaitedByteHasItsOwnWindow) {
    Rig rig;
    rig.session.start();
    for (int i = 0; i < 16; ++i)
        rig.session.bytesReceived(Reply.mid(i, 1));
    // One window per reply byte and one for the first acknowledgement.
    EXPECT_EQ(rig.link.armings, QList<int>(17, ControllerSession::ByteTimeoutMs));
    // Bytes that are already there end their waits at once.
    Rig quick;
    quick.runTo(0);
    EXPECT_EQ(quick.link.armings.size(), 2);
}

TEST(SerialSession, ReplyBytesBeyondSixteenAreNoAcknowledgement) {
    Rig rig;
    rig.session.start();
    rig.session.bytesReceived(Reply + Ack);
    EXPECT_EQ(rig.link.writes.size(), 2); // the request and unit 1, still unacknowledged
    rig.session.timedOut();
    rig.expectEndedWithPortClosed(Outcome::Failed);
}

TEST(SerialSession, ASuccessfulTransferSendsTheTableAndCountsProgress) {
    Rig rig;
    rig.runTo(Acknowledged);
    // After the last record the 16 filler bytes and the checksum go out at once.
    ASSERT_EQ(rig.link.writes.size(), 1 + ControllerTable::UnitCount);
    rig.session.bytesReceived(hex("C2"));
    rig.session.bytesReceived(hex("0006"));
    rig.session.bytesReceived(hex("00"));
    EXPECT_EQ(rig.link.writes.join(), hex("B109BA") + sampleTable().bytes());
    EXPECT_EQ(rig.progress.size(), ControllerTable::ProgressSteps + 1);
    EXPECT_EQ(rig.progress.last(), ControllerTable::ProgressSteps);
    rig.expectEndedWithPortClosed(Outcome::Succeeded);
}

TEST(SerialSession, AWrongMissingOrDoubledAcknowledgementEndsTheTransfer) {
    const struct {
        int unit;          // the acknowledgement of this unit goes wrong
        const char* bytes; // nullptr: none arrives
    } cases[] = {
        {1, "15"},    {1, nullptr},    {1, "0606"},    {2, "00"},
        {3201, "86"}, {6420, nullptr}, {6420, "0615"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "unit " << c.unit << " " << (c.bytes ? c.bytes : "-"));
        Rig rig;
        rig.runTo(c.unit - 1);
        if (c.bytes)
            rig.session.bytesReceived(hex(c.bytes));
        else
            rig.session.timedOut();
        EXPECT_EQ(rig.link.writes.size(), 1 + c.unit); // nothing after the unit
        rig.expectEndedWithPortClosed(Outcome::Failed);
    }
}

TEST(SerialSession, TheFinalAcknowledgementDecides) {
    const struct {
        const char* bytes;
        bool timeOutAfter;
        Outcome outcome;
    } cases[] = {
        {"C2000600", false, Outcome::Succeeded},
        {"C2FF06FF", false, Outcome::Succeeded},
        {"C2000600AA", false, Outcome::Succeeded},
        {"C4000600", false, Outcome::Failed},
        {"C2000700", false, Outcome::Failed},
        {"C20006", true, Outcome::Failed},
        {"", true, Outcome::Failed},
    };
    for (const auto& c : cases) {
        for (const bool oneByOne : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.bytes << (oneByOne ? " byte by byte" : ""));
            Rig rig;
            rig.runTo(Acknowledged);
            const QByteArray final = hex(c.bytes);
            for (qsizetype i = 0; i < final.size(); i += oneByOne ? 1 : final.size())
                rig.session.bytesReceived(final.mid(i, oneByOne ? 1 : -1));
            if (c.timeOutAfter)
                rig.session.timedOut();
            rig.expectEndedWithPortClosed(c.outcome);
        }
    }
}

TEST(SerialSession, StopEndsTheExchangeAtAnyMoment) {
    // -1: during the search; 6420: awaiting the final acknowledgement
    for (const int acknowledged : {-1, 0, 4000, Acknowledged}) {
        SCOPED_TRACE(acknowledged);
        Rig rig;
        if (acknowledged < 0)
            rig.session.start();
        else
            rig.runTo(acknowledged);
        rig.session.stop();
        rig.expectEndedWithPortClosed(Outcome::Stopped);
    }
}

TEST(SerialSession, AFailedWriteSkipsThePortInTheSearchAndFailsTheTransfer) {
    Rig search({1, 2});
    search.link.failWriteNumber = 1; // the request on port 1
    search.runTo(0);
    EXPECT_EQ(search.session.foundPort(), 2);

    Rig transfer;
    transfer.link.failWriteNumber = 5; // unit 4
    transfer.runTo(10);
    EXPECT_EQ(transfer.link.writes.size(), 5);
    transfer.expectEndedWithPortClosed(Outcome::Failed);
}

} // namespace
