// A medium read back after a write: told in the show's terms when its bytes
// still make a plan, by byte offset when they do not.
#include "verify/ReadBackComparison.h"

#include "MediumBytes.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zyn;
using namespace zyn::test;

namespace {

TEST(ReadBackComparison, NamesTheCueWhenTheBytesDecodeAndTheOffsetWhenNot) {
    const QByteArray written = tableBytes({{3, hexBytes("00012315")}});
    QByteArray tampered = written;
    tampered[4 + 2 * 4 + 3] = 0x16; // row 3's hundredths, checksum left stale
    const struct {
        const char* name;
        QByteArray readBack;
        qsizetype firstDifference;
        QString text;
    } cases[] = {
        {"equal", written, -1, {}},
        {"tampered", tampered, 15,
         QStringLiteral("the file read back differs from the table:\n"
                        "checksum bad: offset %1 holds %2, the bytes before it sum to %3\n"
                        "cue 3: 00:01:23:16 on the medium, 00:01:23:15 in the show")
             .arg(written.size() - 1)
             .arg(QString::number(quint8(written.back()), 16).rightJustified(2, u'0').toUpper(),
                  QString::number(quint8(written.back() + 1), 16)
                      .rightJustified(2, u'0')
                      .toUpper())},
        {"cut off", written.left(20000), 20000,
         QStringLiteral("the file read back differs from the table at byte 20000")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadBackComparison comparison = ReadBackComparison::of(written, c.readBack);
        EXPECT_EQ(comparison.firstDifference, c.firstDifference);
        EXPECT_EQ(comparison.equal(), c.firstDifference < 0);
        if (!comparison.equal()) {
            EXPECT_EQ(comparison.text(), c.text);
        }
    }
}

} // namespace
