// The card write against a reader that records every command: the commands,
// addresses, lengths and bytes, the log, failures, the stop request and the
// check that reads the card back.
#include "transfer/CardWriteSequence.h"

#include "CardTestReader.h"
#include "fakes/QtPrinters.h"
#include "settings/LanguageTexts.h"
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/CardTextId.h"
#include "verify/VerifyTextId.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zyn;
using Outcome = CardWriteSequence::Outcome;
using Verb = CardCommand::Verb;

namespace {

// Texts that name their number, so the log shows which text went where.
LanguageTexts numberedTexts() {
    QStringList texts;
    for (int n = 0; n <= 320; ++n)
        texts << (n == 0 ? QString() : QStringLiteral("T%1").arg(n));
    return LanguageTexts(texts);
}

QByteArray exampleImage(const QString& slave1Channel1 = QStringLiteral("12-3")) {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    show->cues.row(1).TimeText = QStringLiteral("00:01:23:15");
    show->cues.row(3200).TimeText = QStringLiteral("12:34:56:07");
    show->ics.cell(1, 1) = slave1Channel1;
    show->ics.cell(200, 16) = QStringLiteral("7");
    return CardImage::build(*show).bytes;
}

class CardWrite : public testing::Test {
protected:
    // Steps until the run ends or the limit is reached; the steps taken.
    int run(int limit = 1000000) {
        int steps = 0;
        while (steps < limit && sequence.step())
            ++steps;
        return steps;
    }

    QString logText() const {
        QString text;
        for (const CardLogEntry& entry : sequence.log())
            text += entry.piece(texts, text.isEmpty());
        return text;
    }

    const CardLogEntry& lastEntry() const { return sequence.log().back(); }

    test::CardTestReader reader;
    const QByteArray image = exampleImage();
    CardWriteSequence sequence{reader, image};
    const LanguageTexts texts = numberedTexts();
};

TEST_F(CardWrite, WritesEveryEntryOnceInAddressOrderThenReadsTheCardBackAndLogsEachPhase) {
    run();
    ASSERT_EQ(sequence.outcome(), Outcome::Completed);
    const std::vector<CardCommand> writes = reader.commands(Verb::MemWrite);
    ASSERT_EQ(writes.size(), 9602u);
    int address = 0;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const int length = (i == 0 || i == 9601) ? 4 : i <= 3200 ? 4 : 2;
        ASSERT_EQ(writes[i].address, address) << i;
        ASSERT_EQ(writes[i].length, length) << i;
        address += length;
    }
    EXPECT_EQ(address, CardImage::Size);
    EXPECT_EQ(reader.memory.first(CardImage::Size), image);

    const std::vector<CardCommand> reads = reader.commands(Verb::MemRead);
    ASSERT_EQ(reads.size(), 201u);
    EXPECT_EQ(reads.front().address, 0);
    EXPECT_EQ(reads.front().length, 128);
    EXPECT_EQ(reads.back().address, 25600);
    EXPECT_EQ(reads.back().length, 8);
    EXPECT_EQ(reader.calls.size(), 9602u + 201u); // no error texts asked for
    EXPECT_EQ(sequence.progress(), CardWriteSequence::ProgressSteps);
    // Every phase is logged, and the success lines close the log.
    EXPECT_EQ(logText(), "T166......\nT167......\nT168......\nT169......\nT305......\nT170\nT306");
}

TEST_F(CardWrite, ProgressCountsTimeAndChannelEntriesOnly) {
    sequence.step(); // start block
    EXPECT_EQ(sequence.progress(), 0);
    run(3200);
    EXPECT_EQ(sequence.progress(), 3200);
    run(6400);
    EXPECT_EQ(sequence.progress(), 9600);
    sequence.step(); // end block
    EXPECT_EQ(sequence.progress(), 9600);
}

struct FailureCase {
    const char* name;
    int failingAddress;
    const char* log;
};

class CardWriteFailure : public CardWrite, public testing::WithParamInterface<FailureCase> {};

TEST_P(CardWriteFailure, LogsTheErrorGoesOnAndEndsWithTheFailureLine) {
    const int failing = GetParam().failingAddress;
    reader.failWith = [failing](const CardCommand& command) -> quint32 {
        return command.verb == Verb::MemWrite && command.address == failing
                   ? CardStatus::MemoryFailure
                   : 0;
    };
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::WriteFailed);
    EXPECT_EQ(sequence.failedWrites(), 1);
    EXPECT_EQ(reader.commands(Verb::MemWrite).size(), 9602u); // no abort, no retry
    EXPECT_TRUE(reader.commands(Verb::MemRead).empty());      // no check of a broken card
    EXPECT_EQ(logText(), QString::fromUtf8(GetParam().log));
    EXPECT_EQ(lastEntry(), CardLogEntry::result(CardTextId::WriteFailed, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CardWriteFailure,
    testing::Values(
        FailureCase{"StartBlock", 0,
                    "ERROR: 6581 text of 6581\nT166......\nT167......\nT168......\nT169......"
                    "\nT303 1"},
        FailureCase{"Time", 8,
                    "T166......\nT167\nERROR: 6581 text of 6581......\nT168......\nT169......"
                    "\nT303 1"},
        FailureCase{"Level", 25602,
                    "T166......\nT167......\nT168......\nT169\nERROR: 6581 text of 6581......"
                    "\nT303 1"},
        FailureCase{"EndBlock", 25604,
                    "T166......\nT167......\nT168......\nT169......\nERROR: 6581 text of 6581"
                    "\nT303 1"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(CardWrite, WithoutACardEveryWriteFailsAndIsCounted) {
    reader.failWith = [](const CardCommand&) { return CardStatus::NoSmartcard; };
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::WriteFailed);
    EXPECT_EQ(sequence.failedWrites(), 9602);
    EXPECT_EQ(lastEntry(), CardLogEntry::result(CardTextId::WriteFailed, 9602));
    EXPECT_EQ(reader.commands(Verb::ConvertErrCode).size(), 9602u);
}

TEST_F(CardWrite, AStopEndsTheWriteBeforeTheNextEntryAndNeverWritesTheEndBlock) {
    run(100);
    sequence.requestStop();
    const std::size_t callsBefore = reader.calls.size();
    EXPECT_FALSE(sequence.step());
    EXPECT_EQ(reader.calls.size(), callsBefore);
    EXPECT_EQ(sequence.outcome(), Outcome::Stopped);
    EXPECT_EQ(sequence.progress(), 99);
    EXPECT_EQ(lastEntry(), CardLogEntry::result(CardTextId::WriteStopped));
    EXPECT_FALSE(sequence.step());
    EXPECT_EQ(reader.calls.size(), callsBefore);
    EXPECT_EQ(reader.memory.sliced(25604, 4), QByteArray(4, char(0xFF)));
}

TEST_F(CardWrite, AStopDuringTheCheckSaysTheCardWasNotChecked) {
    run(9602 + 5);
    sequence.requestStop();
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::Stopped);
    EXPECT_EQ(reader.commands(Verb::MemRead).size(), 5u);
    EXPECT_EQ(lastEntry(), CardLogEntry::result(CardTextId::CheckStopped));
}

TEST_F(CardWrite, ACardThatDropsAWriteSilentlyFailsTheCheckAtThatAddress) {
    reader.droppedAddress = 12804;
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::Differs);
    EXPECT_EQ(sequence.firstDifference(), 12804);
    EXPECT_EQ(lastEntry(), CardLogEntry::result(CardTextId::CardDiffers, 12804));
    EXPECT_FALSE(logText().contains("T170"));
}

TEST_F(CardWrite, ACardStillHoldingAnOlderShowNamesTheDifferencesAsTheShowKnowsThem) {
    reader.memory.replace(0, CardImage::Size, exampleImage(QStringLiteral("5-3")));
    reader.droppedAddress = 12804; // slave 1 channel 1 keeps its older cue
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::Differs);
    EXPECT_EQ(sequence.firstDifference(), 12805); // the low byte of cue 12
    PlanDifference extra;
    extra.kind = PlanDifference::Kind::ChannelExtra;
    extra.number = 5;
    extra.slave = 1;
    extra.channel = 1;
    PlanDifference missing = extra;
    missing.kind = PlanDifference::Kind::ChannelMissing;
    missing.number = 12;
    const std::vector<CardLogEntry> log = sequence.log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector(log.end() - 3, log.end()),
              (std::vector{CardLogEntry::result(VerifyTextId::ReadBackDiffers),
                           CardLogEntry::differs(extra), CardLogEntry::differs(missing)}));
}

TEST_F(CardWrite, AShortReadCountsAsADifferenceAtTheFirstMissingByte) {
    reader.shortReadBy = 1;
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::Differs);
    EXPECT_EQ(sequence.firstDifference(), 127);
    EXPECT_EQ(lastEntry(), CardLogEntry::result(CardTextId::CardDiffers, 127));
}

TEST_F(CardWrite, AFailedReadBackEndsWithItsErrorAndTheFailureLine) {
    reader.failWith = [](const CardCommand& command) -> quint32 {
        return command.verb == Verb::MemRead && command.address == 256 ? CardStatus::RemovedCard
                                                                       : 0;
    };
    run();
    EXPECT_EQ(sequence.outcome(), Outcome::ReadBackFailed);
    EXPECT_TRUE(logText().endsWith("T305\nERROR: 80100069 text of 80100069\nT308"))
        << logText().toStdString();
}

} // namespace
