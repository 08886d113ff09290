#include "import/TextCueList.h"

#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zyn {
namespace {

using Kind = ImportError::Kind;

// A line of the twelve fields the reader needs, with the given time,
// description, addition, module and channel.
QByteArray line(const QByteArray& time, const QByteArray& description = "Comet",
                const QByteArray& addition = "", const QByteArray& module = "1",
                const QByteArray& channel = "2") {
    return "x;" + time + ";a;b;c;d;" + description + ";e;" + addition + ";f;" + module + ";" +
           channel;
}

class TextCueListFile : public testing::Test {
protected:
    ImportRows read(const QByteArray& content) {
        const QString path = m_dir.filePath(QStringLiteral("cues.csv"));
        EXPECT_TRUE(test::putFile(path, content));
        return TextCueList::read(path);
    }

    QTemporaryDir m_dir;
};

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class TextCueListEncoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(TextCueListEncoding, DetectsUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(TextCueList::decode(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, TextCueListEncoding,
    testing::Values(DecodeCase{"Utf8WithMark", "\xEF\xBB\xBFK\xC3\xA4se", QStringLiteral("Käse")},
                    DecodeCase{"Utf8WithoutMark", "K\xC3\xA4se \xE2\x82\xAC",
                               QStringLiteral("Käse €")},
                    DecodeCase{"Windows1252", "K\xE4se \x80", QStringLiteral("Käse €")},
                    DecodeCase{"BrokenUtf8IsWindows1252", "\xC3\xA4\xE4", QStringLiteral("Ã¤ä")},
                    DecodeCase{"MarkOnly", "\xEF\xBB\xBF", QString()}));

TEST(TextCueListLines, EndAtCrLfLfOrCrWithoutAnEmptyLastLine) {
    EXPECT_EQ(TextCueList::splitLines(u"a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(TextCueList::splitLines(u"a\r\n"), QStringList({"a"}));
    EXPECT_EQ(TextCueList::splitLines(u"a\r\n\r\nb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(TextCueList::splitLines(u"\n"), QStringList({""}));
    EXPECT_EQ(TextCueList::splitLines(u""), QStringList());
}

TEST_F(TextCueListFile, ReadsEveryLineAndPassesOverEmptyOnes) {
    const ImportRows read =
        this->read("Time;;;;;;Effect;;;;;\r\n\r\n" + line("0:00:01,5", "One") + "\r\n" +
                   line("0:00:02.25", "Two", "", "2", "3") + "\r\n\r\n");
    ASSERT_TRUE(read.error.ok()) << read.error.detail.toStdString();
    ASSERT_EQ(read.rows.size(), 3);
    EXPECT_EQ(read.rows[0].time, "00:00:00:000");
    EXPECT_EQ(read.rows[1].time, "00:00:01:500");
    EXPECT_EQ(read.rows[2], ImportRow::fromCells("00:00:02:250", "Two", "2", "3", ""));
}

TEST_F(TextCueListFile, AFaultEndsTheReadingKeepingTheRowsBeforeIt) {
    ImportRows read = this->read(line("0:00:01,5") + "\n\n" + line("0:00:02,5") + "\nshort;line\n" +
                                 line("0:3,0"));
    EXPECT_EQ(read.error.kind, Kind::TooFewFields);
    EXPECT_EQ(read.error.line, 4); // the empty line counts
    EXPECT_EQ(read.error.detail, "2");
    EXPECT_EQ(read.rows.size(), 2);
    read = this->read(line("0:00:01,5") + "\n" + line("25:00:00.5"));
    EXPECT_EQ(read.error.kind, Kind::BadTime);
    EXPECT_EQ(read.error.line, 2);
    EXPECT_EQ(read.error.detail, "25:00:00.5");
    EXPECT_EQ(read.rows.size(), 1);
}

TEST_F(TextCueListFile, RefusesFilesThatHoldNoCueList) {
    struct Case {
        const char* name;
        QByteArray content;
        Kind kind;
    };
    for (const Case& c :
         {Case{"empty", "", Kind::EmptyFile}, Case{"only line ends", "\r\n\r\n", Kind::EmptyFile},
          Case{"binary", QByteArray("PK\x03\x04\x00\x00", 6) + line("0:0:1,5"), Kind::NotText},
          Case{"utf-16", QByteArray("\xFF\xFEx\x00;\x00", 6), Kind::NotText},
          Case{"project", "[ZYN600 PROJECTFILE]\r\n" + line("0:0:1,5"), Kind::ProjectFile},
          Case{"project, any case", "[zyn600 projectfile]\r\n", Kind::ProjectFile}}) {
        const ImportRows read = this->read(c.content);
        EXPECT_EQ(read.error.kind, c.kind) << c.name;
        EXPECT_TRUE(read.rows.isEmpty()) << c.name;
    }
}

TEST_F(TextCueListFile, AMissingFileCannotBeOpened) {
    const ImportRows read = TextCueList::read(m_dir.filePath(QStringLiteral("none.csv")));
    EXPECT_EQ(read.error.kind, Kind::CannotOpen);
    EXPECT_EQ(read.error.path, m_dir.filePath(QStringLiteral("none.csv")));
}

TEST_F(TextCueListFile, DescriptionsAreMadeStorableAndSaySo) {
    const ImportRows read = this->read(line("0:0:1,5", "Tab\there", "\xE2\x98\x85") + "\n" +
                                       line("0:0:2,5", "Smile \xF0\x9F\x98\x80!") + "\n" +
                                       line("0:0:3,5", "Caf\xC3\xA9 \xE2\x82\xAC"));
    ASSERT_EQ(read.rows.size(), 3);
    EXPECT_EQ(read.rows[0].description, "Tab here (?)");
    EXPECT_EQ(read.rows[1].description, "Smile ?!");
    EXPECT_EQ(read.rows[2].description, QStringLiteral("Café €"));
    EXPECT_EQ(read.rows[0].notes(), QList<ImportNote>{ImportNote::DescriptionReplaced});
    EXPECT_TRUE(read.rows[2].notes().isEmpty());
}

} // namespace
} // namespace zyn
