// What stands between a damaged workbook and the libraries that read it: the
// zip directory's sizes checked before the archive reader trusts them, and the
// child process that reads a sheet and hands it over through a stream.
#include "fakes/QtPrinters.h"
#include "fakes/TestPaths.h"
#include "platform/spreadsheet/FreexlWorkbook.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "platform/spreadsheet/SheetPipe.h"
#include "platform/spreadsheet/ZipDirectory.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zyn {
namespace {

// Central-directory entries and the end record, nothing else: the check
// reads only these.
class ZipBuilder {
public:
    ZipBuilder& entry(quint32 packed, quint32 unpacked, const QByteArray& extra = {}) {
        QByteArray header("PK\x01\x02", 4);
        header.append(16, '\0');
        append32(header, packed);
        append32(header, unpacked);
        append16(header, 1); // name length
        append16(header, quint16(extra.size()));
        append16(header, 0); // comment length
        header.append(12, '\0');
        header.append('x');
        header.append(extra);
        m_directory.append(header);
        ++m_entries;
        return *this;
    }

    QByteArray bytes(int padding = 0) const {
        QByteArray archive(padding, 'p');
        const quint32 directoryAt = quint32(archive.size());
        archive.append(m_directory);
        archive.append("PK\x05\x06", 4);
        archive.append(4, '\0');
        append16(archive, m_entries);
        append16(archive, m_entries);
        append32(archive, quint32(m_directory.size()));
        append32(archive, directoryAt);
        append16(archive, 0);
        return archive;
    }

    static QByteArray zip64Extra(quint64 unpacked, quint64 packed) {
        QByteArray extra;
        append16(extra, 0x0001);
        append16(extra, 16);
        append64(extra, unpacked);
        append64(extra, packed);
        return extra;
    }

private:
    static void append16(QByteArray& to, quint16 value) {
        const quint16 little = qToLittleEndian(value);
        to.append(reinterpret_cast<const char*>(&little), 2);
    }
    static void append32(QByteArray& to, quint32 value) {
        const quint32 little = qToLittleEndian(value);
        to.append(reinterpret_cast<const char*>(&little), 4);
    }
    static void append64(QByteArray& to, quint64 value) {
        const quint64 little = qToLittleEndian(value);
        to.append(reinterpret_cast<const char*>(&little), 8);
    }

    QByteArray m_directory;
    quint16 m_entries = 0;
};

constexpr quint32 Wide = 0xFFFFFFFF;
constexpr qint64 Limit = 1000;

struct ZipCase {
    const char* what;
    QByteArray archive;
    bool refused;
};

TEST(ZipDirectorySizes, AreCheckedBeforeTheArchiveReaderTrustsThem) {
    const ZipCase cases[] = {
        {"no end record: left to the reader", QByteArray("PK\x03\x04 not a directory"), false},
        {"sizes within the file and the limit",
         ZipBuilder().entry(10, 400).entry(20, 600).bytes(40), false},
        {"more packed bytes than the file holds", ZipBuilder().entry(5000, 10).bytes(), true},
        {"entries together beyond the limit", ZipBuilder().entry(10, 600).entry(10, 401).bytes(40),
         true},
        {"a directory that points outside the file: left to the reader",
         ZipBuilder().entry(10, 10).bytes().replace(QByteArray("PK\x01\x02", 4), "QQQQ"), false},
        {"zip64 sizes within the limit",
         ZipBuilder().entry(Wide, Wide, ZipBuilder::zip64Extra(900, 10)).bytes(), false},
        {"zip64 unpacked size beyond the limit",
         ZipBuilder().entry(10, Wide, ZipBuilder::zip64Extra(quint64(1) << 40, 0)).bytes(), true},
        {"zip64 marker without its extra field", ZipBuilder().entry(10, Wide).bytes(), true},
        {"zip64 extra field cut short",
         ZipBuilder().entry(10, Wide, ZipBuilder::zip64Extra(5, 5).first(8)).bytes(), true},
    };
    for (const ZipCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(!ZipDirectory::checkSizes(c.archive, Limit).isEmpty(), c.refused)
            << ZipDirectory::checkSizes(c.archive, Limit).toStdString();
    }
}

// The stream the child sends for a real .xls file.
QByteArray streamOf(const QString& path) {
    const QByteArray encodedPath = QFile::encodeName(path);
    const SheetPipe::Received received = SheetPipe::receive(
        [&](SheetPipe::SheetWriter& out) { FreexlWorkbook::writeSheet(encodedPath, out); });
    EXPECT_EQ(received.failure, QString());
    return received.stream;
}

using Outcome = SheetPipe::Sheet::Outcome;

TEST(SheetStream, ACompleteStreamGivesTheSheetTheChildReadsAndAnyDamageGivesNothing) {
    const QString workbook = test::dataDir(QStringLiteral("import/fixed/cues.xls"));
    const QByteArray stream = streamOf(workbook);
    const SheetPipe::Sheet decoded = SheetPipe::decode(stream);
    ASSERT_EQ(decoded.outcome, Outcome::Read) << decoded.detail.toStdString();
    ASSERT_FALSE(decoded.cells.isEmpty());

    const SpreadsheetEngine::Opened opened = LocalSpreadsheetEngine().open(workbook);
    ASSERT_NE(opened.workbook, nullptr) << opened.error.detail.toStdString();
    for (auto cell = decoded.cells.cbegin(); cell != decoded.cells.cend(); ++cell) {
        const QString name = QStringLiteral("%1%2")
                                 .arg(QChar(u'A' + int(quint32(cell.key()))))
                                 .arg((cell.key() >> 32) + 1);
        EXPECT_EQ(opened.workbook->cellText(name), cell.value()) << name.toStdString();
    }

    for (qsizetype cut = 0; cut < stream.size(); ++cut)
        ASSERT_EQ(SheetPipe::decode(stream.first(cut)).outcome, Outcome::Failed) << cut;
    EXPECT_EQ(SheetPipe::decode(stream + 'x').outcome, Outcome::Failed);
}

TEST(SheetStream, AChildThatDiesHangsOrOutgrowsItsMemoryLeavesTheSheetUnread) {
    const struct {
        const char* what;
        SheetPipe::ChildReader reader;
    } cases[] = {
        {"dies", [](SheetPipe::SheetWriter&) { ::abort(); }},
        {"sends nothing", [](SheetPipe::SheetWriter&) {}},
        {"hangs", [](SheetPipe::SheetWriter&) { ::pause(); }},
        {"asks for more memory than it may have",
         [](SheetPipe::SheetWriter& out) {
             out.begin(Outcome::Read);
             void* huge = ::malloc(size_t(4) << 30);
             if (huge)
                 std::fill_n(static_cast<char*>(huge), size_t(4) << 30, 'x');
             out.text(0, 0, huge ? "grew" : "refused");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const SheetPipe::Sheet sheet = SheetPipe::read(c.reader, 2000);
        if (sheet.outcome == Outcome::Read) {
            EXPECT_EQ(sheet.cells.value(SheetPipe::Sheet::key(0, 0)), "refused");
        } else {
            EXPECT_EQ(sheet.outcome, Outcome::Failed);
            EXPECT_FALSE(sheet.detail.isEmpty());
        }
    }
}

// Files found by fuzzing: one makes the .xls library ask for gigabytes, one
// fails an assertion in the archive library, which would end the program.
TEST(DamagedWorkbook, IsReportedAsDamagedAndNeverEndsTheProgram) {
    for (const char* name : {"asks-for-gigabytes.xls", "stops-the-reader.ods"}) {
        SCOPED_TRACE(name);
        const SpreadsheetEngine::Opened opened = LocalSpreadsheetEngine().open(
            test::dataDir(QStringLiteral("import/damaged/") + QLatin1String(name)));
        EXPECT_EQ(opened.workbook, nullptr);
        EXPECT_EQ(opened.error.kind, WorkbookError::Kind::Damaged);
    }
}

} // namespace
} // namespace zyn
