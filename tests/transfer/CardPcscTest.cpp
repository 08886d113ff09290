// The PC/SC reader end to end: pcscd, its vpcd virtual reader, and a memory
// card emulated on the far side of the reader's socket.
#include "fakes/PcscdService.h"
#include "fakes/QtPrinters.h"
#include "fakes/ServiceRequirement.h"
#include "fakes/VpcdMemoryCard.h"
#include "platform/pcsc/PcscCardReader.h"
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/CardStatus.h"
#include "transfer/CardTextId.h"
#include "transfer/CardWriteSequence.h"

#include <QThread>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>

using namespace zyn;

namespace {

// The reader pcscd makes of /etc/reader.conf.d/vpcd for the card on port 35963.
const QString VirtualReader = QStringLiteral("Virtual PCD 00 00");

bool serviceAnswers() {
    return PcscCardReader().command(QStringLiteral("Device,List")).status != CardStatus::NoService;
}

class PcscCard : public testing::Test {
protected:
    void SetUp() override {
        ZYN_REQUIRE_SERVICE(m_service.available(), m_service.why().toStdString());
        const int index = PcscCardReader().readerNames().indexOf(VirtualReader);
        ZYN_REQUIRE_SERVICE(index >= 0, "pcscd has no reader \"" + VirtualReader.toStdString() +
                                            "\": is vsmartcard-vpcd installed "
                                            "(/etc/reader.conf.d/vpcd)?");
        reader = std::make_unique<PcscCardReader>(index);
        QString error;
        ASSERT_TRUE(insertCard(&error)) << error.toStdString();
    }

    // A long-running pcscd may still hold the card of an earlier test or
    // program; the insert waits until it has let go of it.
    bool insertCard(QString* error) {
        return card.insert([this] { return status(); }, error);
    }

    QString status() { return reader->command(QStringLiteral("Card,Info,Status")).text; }

    bool waitForStatus(const QString& wanted) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (status() != wanted) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    static QByteArray exampleImage() {
        auto show = std::make_unique<Show>();
        show->clearForTimeCodedShow();
        show->cues.row(1).TimeText = QStringLiteral("00:01:23:15");
        show->cues.row(2).TimeText = QStringLiteral("12:34:56:07");
        show->ics.cell(1, 1) = QStringLiteral("12-3");
        show->ics.cell(2, 1) = QStringLiteral("7");
        return CardImage::build(*show).bytes;
    }

    test::PcscdService m_service{serviceAnswers};
    test::VpcdMemoryCard card;
    std::unique_ptr<PcscCardReader> reader;
};

TEST_F(PcscCard, AWriteLeavesExactlyTheImageOnTheCardAndPassesTheCheck) {
    const QByteArray image = exampleImage();
    CardWriteSequence sequence(*reader, image);
    while (sequence.step()) {
    }
    ASSERT_EQ(sequence.outcome(), CardWriteSequence::Outcome::Completed)
        << (sequence.log().back().kind == CardLogEntry::Kind::Error
                ? sequence.log().back().readerText.toStdString()
                : std::string());
    const QByteArray memory = card.memory();
    EXPECT_EQ(memory.first(CardImage::Size), image);
    EXPECT_EQ(memory.sliced(CardImage::Size),
              QByteArray(memory.size() - CardImage::Size, char(0xFF)));
    EXPECT_EQ(card.writeCommands(), CardWriteSequence::WriteCount);
}

TEST_F(PcscCard, AFailingAddressIsReportedAndTheWriteEndsAsAFailure) {
    card.failWritesAt(12805);
    CardWriteSequence sequence(*reader, exampleImage());
    while (sequence.step()) {
    }
    EXPECT_EQ(sequence.outcome(), CardWriteSequence::Outcome::WriteFailed);
    EXPECT_EQ(sequence.failedWrites(), 1);
    const CardLogEntry error =
        CardLogEntry::error(CardStatus::MemoryFailure, CardStatus::text(CardStatus::MemoryFailure));
    EXPECT_EQ(std::count(sequence.log().begin(), sequence.log().end(), error), 1);
    EXPECT_EQ(sequence.log().back(), CardLogEntry::result(CardTextId::WriteFailed, 1));
    EXPECT_EQ(card.memory().sliced(12804, 2), QByteArray(2, char(0xFF)));
}

TEST_F(PcscCard, AnswersTheReaderAndCardCommands) {
    EXPECT_TRUE(reader->command("Device,List").text.contains("Virtual PCD 00 00"));
    EXPECT_EQ(reader->name(), VirtualReader);
    EXPECT_EQ(reader->command("Device,Select,999").status, CardStatus::UnknownReader);
    EXPECT_TRUE(reader->command("Card,Info,Type").text.startsWith("Memory card (storage card"));
    EXPECT_TRUE(
        reader->command("Card,Info").text.contains("ATR 3B 8F 80 01 80 4F 0C A0 00 00 03 06"));

    const QByteArray data = QByteArray("abc") + '\0';
    ASSERT_TRUE(reader->command("Card,MemWrite,0,4", data).ok());
    const CardReply read = reader->command("Card,MemRead,0,128");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.text, "abc");
    EXPECT_EQ(read.bytes.first(4), data);
    EXPECT_EQ(read.bytes.size(), 128);
    EXPECT_EQ(reader->command("Card,MemRead,32767,2").status, CardStatus::AddressOutOfRange);

    // A memory card takes no processor commands: the reply is its refusal.
    const CardReply apdu = reader->command("Card,APDU", QByteArray::fromHex("00A4000C023F00"));
    ASSERT_TRUE(apdu.ok());
    EXPECT_EQ(apdu.bytes, QByteArray::fromHex("6E00"));
}

TEST_F(PcscCard, AWrongPinIsRefusedAndTheRightOneOpensTheCard) {
    card.requirePin(QByteArray::fromHex("123456"));
    EXPECT_EQ(reader->command("Card,MemWrite,0,1", QByteArray("a")).status,
              CardStatus::PinRequired);
    const CardReply wrong = reader->command("Card,MemVerifyPin,FFFFFF");
    EXPECT_EQ(wrong.status, 0x63C2u);
    EXPECT_EQ(reader->errorText(wrong.status), "Wrong PIN; 2 tries left.");
    ASSERT_TRUE(reader->command("Card,MemVerifyPin,12 34 56").ok());
    EXPECT_TRUE(reader->command("Card,MemWrite,0,1", QByteArray("a")).ok());
}

TEST_F(PcscCard, ARemovedCardIsAbsentAndItsCommandsFailWithATextForTheError) {
    card.remove();
    ASSERT_TRUE(waitForStatus("absent"));
    const CardReply reply = reader->command("Card,MemRead,0,4");
    EXPECT_NE(reply.status, 0u);
    EXPECT_FALSE(reader->errorText(reply.status).isEmpty());
    EXPECT_EQ(reader->command("Card,Info,Type").status, CardStatus::NoSmartcard);

    QString error;
    ASSERT_TRUE(insertCard(&error)) << error.toStdString();
    EXPECT_TRUE(reader->command("Card,MemRead,0,4").ok()); // the same reader object goes on
}

} // namespace
