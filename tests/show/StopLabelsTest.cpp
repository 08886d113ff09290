#include "show/StopLabels.h"

#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

const StopLabels English{QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
                         QStringLiteral("RESET STOP")};

TEST(StopLabelsExchange, StopRowsChangeFormEverythingElseStays) {
    struct Case {
        const char* table;
        const char* file;
    };
    const Case cases[] = {
        {"MANUAL STOP", "MAN"}, {"TIMED STOP #2", "TS #2"},     {"RESET STOP #1", "TR #1"},
        {"TIMED STOP", "TS"},   {"00:01:30:25", "00:01:30:25"}, {"", ""},
        {"Finale", "Finale"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(timeTextToFile(QString::fromLatin1(c.table), English), QLatin1StringView(c.file));
        EXPECT_EQ(timeTextToTable(QString::fromLatin1(c.file), English),
                  QLatin1StringView(c.table));
    }
}

TEST(StopLabelsExchange, AnEmptyLabelNeverMatches) {
    const StopLabels missing{QString(), QString(), QString()};
    for (const char* text : {"", "00:00:01:00", "Finale", "MAN", "TS #3", "TR #1"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(timeTextToFile(QString::fromLatin1(text), missing), QLatin1StringView(text));
    }
    // One missing label leaves the other two working.
    const StopLabels noTimed{QStringLiteral("STOP"), QString(), QStringLiteral("RESET")};
    EXPECT_EQ(timeTextToFile(QStringLiteral("12:00:00:00"), noTimed), u"12:00:00:00");
    EXPECT_EQ(timeTextToFile(QStringLiteral("RESET #4"), noTimed), u"TR #4");
    EXPECT_EQ(timeTextToFile(QStringLiteral("STOP"), noTimed), u"MAN");
}

// Loading under a language that lacks a label keeps the stored keyword, so
// saving again gives the stop back instead of an empty cue.
TEST(StopLabelsExchange, AStopKeepsItsKeywordWhenTheLanguageLacksItsLabel) {
    const StopLabels missing{QString(), QString(), QString()};
    for (const char* text : {"MAN", "TS #3", "TR #1"}) {
        SCOPED_TRACE(text);
        const QString table = timeTextToTable(QString::fromLatin1(text), missing);
        EXPECT_EQ(table, QLatin1StringView(text));
        EXPECT_EQ(timeTextToFile(table, missing), QLatin1StringView(text));
    }
}

} // namespace
} // namespace zyn
