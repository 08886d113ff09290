// The reader layer without hardware: the command texts, the emulated card
// file, the card type from the answer to reset and the choice of reader.
#include "fakes/FileSizeLimit.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "fakes/WriteFailures.h"
#include "platform/EmulatedCardReader.h"
#include "platform/pcsc/CardAtr.h"
#include "platform/pcsc/CardReaderChoice.h"
#include "transfer/CardCommand.h"
#include "transfer/CardStatus.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;
using Verb = CardCommand::Verb;

namespace {

struct ParseCase {
    const char* text;
    Verb verb;
    quint32 status;
    int address = 0;
    int length = 0;
};

class CardCommandText : public testing::TestWithParam<ParseCase> {};

TEST_P(CardCommandText, IsReadWithItsArguments) {
    const ParseCase& c = GetParam();
    const CardCommand command = CardCommand::parse(QString::fromUtf8(c.text));
    EXPECT_EQ(command.verb, c.verb);
    EXPECT_EQ(command.status, c.status);
    EXPECT_EQ(command.address, c.address);
    EXPECT_EQ(command.length, c.length);
}

constexpr quint32 Bad = CardStatus::InvalidParameter;
INSTANTIATE_TEST_SUITE_P(
    Texts, CardCommandText,
    testing::Values(ParseCase{"Card,Info", Verb::CardInfo, 0},
                    ParseCase{"Card,Info,Status", Verb::CardStatus, 0},
                    ParseCase{"Card,Info,Type", Verb::CardType, 0},
                    ParseCase{"System,Info,VersionText", Verb::VersionText, 0},
                    ParseCase{"Card,MemWrite,25604,4", Verb::MemWrite, 0, 25604, 4},
                    ParseCase{"Card,MemRead,0,128", Verb::MemRead, 0, 0, 128},
                    ParseCase{"Card,MemRead,65280,256", Verb::MemRead, 0, 65280, 256},
                    ParseCase{"Card,MemRead,65281,256", Verb::MemRead, Bad},
                    ParseCase{"Card,MemWrite,0,256", Verb::MemWrite, Bad},
                    ParseCase{"Card,MemWrite,0,0", Verb::MemWrite, Bad},
                    ParseCase{"Card,MemWrite,-1,4", Verb::MemWrite, Bad},
                    ParseCase{"Card,MemWrite,4", Verb::MemWrite, Bad},
                    ParseCase{"Card,MemWrite,4,x", Verb::MemWrite, Bad},
                    ParseCase{"Card,MemVerifyPin,FF FF FF", Verb::MemVerifyPin, 0},
                    ParseCase{"Card,MemVerifyPin,FFF", Verb::MemVerifyPin, Bad},
                    ParseCase{"Card,MemVerifyPin,", Verb::MemVerifyPin, Bad},
                    ParseCase{"Device,Select,x", Verb::DeviceSelect, Bad},
                    ParseCase{"System,ConvertErrCode,8010000C", Verb::ConvertErrCode, 0},
                    ParseCase{"System,ConvertErrCode,", Verb::ConvertErrCode, Bad},
                    ParseCase{"card,info", Verb::Unknown, CardStatus::UnsupportedFeature},
                    ParseCase{"Card,Info,", Verb::Unknown, CardStatus::UnsupportedFeature}));

class EmulatedCard : public testing::Test {
protected:
    QString cardPath() const { return m_dir.filePath("card.bin"); }
    QByteArray cardFile() const { return test::fileContent(cardPath()); }

    QTemporaryDir m_dir;
    EmulatedCardReader reader{cardPath()};
};

TEST_F(EmulatedCard, TheFirstWriteInsertsABlankCardAndChangesOnlyItsBytes) {
    EXPECT_FALSE(QFile::exists(cardPath()));
    ASSERT_TRUE(reader.command("Card,MemWrite,4,4", QByteArray::fromHex("301B0000")).ok());
    QByteArray expected(32768, char(0xFF));
    expected.replace(4, 4, QByteArray::fromHex("301B0000"));
    EXPECT_EQ(cardFile(), expected);
}

TEST_F(EmulatedCard, AReadGivesTheBytesAndTheTextUpToTheFirstZero) {
    const QByteArray data = QByteArray("Data to write on the card\r\n") + '\0';
    ASSERT_TRUE(reader.command("Card,MemWrite,0,28", data).ok());
    const CardReply reply = reader.command("Card,MemRead,0,128");
    ASSERT_TRUE(reply.ok());
    EXPECT_EQ(reply.text, "Data to write on the card\r\n");
    EXPECT_EQ(reply.bytes.size(), 128);
    EXPECT_EQ(reply.bytes.first(28), data);
    EXPECT_EQ(reply.bytes.at(28), char(0xFF));
}

TEST_F(EmulatedCard, AnExistingFileIsTheCardWithItsOwnSize) {
    ASSERT_TRUE(test::putFile(cardPath(), QByteArray(100, 'x')));
    EXPECT_TRUE(reader.command("Card,MemWrite,96,4", QByteArray("abcd")).ok());
    EXPECT_EQ(reader.command("Card,MemWrite,97,4", QByteArray("abcd")).status,
              CardStatus::AddressOutOfRange);
    EXPECT_EQ(reader.command("Card,MemRead,0,101").status, CardStatus::AddressOutOfRange);
    EXPECT_EQ(cardFile(), QByteArray(96, 'x') + "abcd");
}

TEST_F(EmulatedCard, RefusesWhatACardWouldRefuse) {
    struct Case {
        const char* command;
        QByteArray input;
        quint32 status;
    };
    const Case cases[] = {
        {"Card,MemWrite,0,4", QByteArray("abc"), CardStatus::InvalidParameter},
        {"Card,MemWrite,32766,4", QByteArray("abcd"), CardStatus::AddressOutOfRange},
        {"Card,APDU", QByteArray::fromHex("00A4000C023F00"), CardStatus::UnsupportedFeature},
        {"Device,Select,1", {}, CardStatus::UnknownReader},
        {"Card,Format", {}, CardStatus::UnsupportedFeature},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reader.command(QString::fromUtf8(c.command), c.input).status, c.status)
            << c.command;
}

TEST_F(EmulatedCard, AWriteProtectedFileIsACardThatFailsEveryWrite) {
    ASSERT_TRUE(reader.command("Card,MemWrite,0,1", QByteArray("a")).ok());
    test::openToEveryone(m_dir.path());
    QFile::setPermissions(cardPath(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const test::WithoutRootRights unprivileged;
    if (!unprivileged.ok() || QFile(cardPath()).open(QIODevice::ReadWrite))
        GTEST_SKIP() << "this user can write read-only files";
    EXPECT_EQ(reader.command("Card,MemWrite,0,1", QByteArray("b")).status,
              CardStatus::MemoryFailure);
    EXPECT_EQ(reader.command("Card,MemRead,0,1").bytes, "a");
}

TEST_F(EmulatedCard, ABlankCardThatCannotBeMadeIsNoCardAndLeavesNoFile) {
    CardReply reply;
    {
        const test::FileSizeLimit fullDisk(1024);
        if (!fullDisk.active())
            GTEST_SKIP() << "the file size limit cannot be lowered here";
        reply = reader.command("Card,MemWrite,0,1", QByteArray("a"));
    }
    EXPECT_EQ(reply.status, CardStatus::NoSmartcard);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST(EmulatedCardPlace, AFolderThatIsGoneMeansNoCard) {
    QTemporaryDir dir;
    EmulatedCardReader reader(dir.filePath("missing/card.bin"));
    EXPECT_EQ(reader.command("Card,Info,Status").status, CardStatus::NoSmartcard);
    EXPECT_EQ(reader.command("Card,MemWrite,0,1", QByteArray("a")).status, CardStatus::NoSmartcard);
}

struct AtrCase {
    const char* atr;
    const char* type;
};

class CardType : public testing::TestWithParam<AtrCase> {};

TEST_P(CardType, FollowsTheAnswerToReset) {
    EXPECT_EQ(CardAtr::typeName(QByteArray::fromHex(GetParam().atr)),
              QString::fromUtf8(GetParam().type));
}

INSTANTIATE_TEST_SUITE_P(
    Atrs, CardType,
    testing::Values(AtrCase{"3B8F8001804F0CA0000003060300010000000068",
                            "Memory card (storage card, standard 03, name 0001)"},
                    AtrCase{"3BF81300008131FE454A434F5076323431B7", "CPU"},
                    AtrCase{"3B0214 50", "CPU"}, AtrCase{"A2131091", "Memory card (2-wire bus)"},
                    AtrCase{"92231091", "Memory card (3-wire bus)"},
                    AtrCase{"82", "Memory card (serial data access)"},
                    // A storage identifier cut short is no storage card.
                    AtrCase{"3B88800180 4F0CA0000003", "CPU"},
                    AtrCase{"", "Unknown card (no answer to reset)"}));

TEST(CardReaderChoiceText, NamesAReaderOrACardFile) {
    QString error;
    EXPECT_EQ(CardReaderChoice::parse("pcsc", "/home", &error), CardReaderChoice::pcsc(0));
    EXPECT_EQ(CardReaderChoice::parse("pcsc:2", "/home", &error), CardReaderChoice::pcsc(2));
    EXPECT_EQ(CardReaderChoice::parse("emulated", "/home", &error)->file, "/home/ZYNCard.bin");
    EXPECT_EQ(CardReaderChoice::parse("emulated:/tmp/c.bin", "/home", &error)->file, "/tmp/c.bin");
    for (const char* bad : {"pcsc:", "pcsc:-1", "pcsc:x", "emulated:", "serial", ""}) {
        error.clear();
        EXPECT_FALSE(CardReaderChoice::parse(QString::fromUtf8(bad), "/home", &error)) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

} // namespace
