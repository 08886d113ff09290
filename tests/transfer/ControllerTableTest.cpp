// The controller table byte for byte: golden files of whole tables, the
// examples of every section, the cell rules, and the shows it must refuse.
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "show/Show.h"
#include "show/ShowJson.h"
#include "transfer/ChannelLists.h"
#include "transfer/TableBuilder.h"
#include "transfer/TableReceiver.h"
#include "transfer/TimeEntry.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zyn;

namespace {

const StopLabels English{QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
                         QStringLiteral("RESET STOP")};

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

std::unique_ptr<Show> newShow() {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    return show;
}

std::unique_ptr<Show> showFromFixture(const QString& relative) {
    auto show = std::make_unique<Show>();
    EXPECT_EQ(ShowJson::read(test::fixture(relative), StopLabels::fileForm(), *show), "");
    return show;
}

ControllerTable tableOf(const Show& show, const StopLabels& labels = StopLabels::fileForm()) {
    TableBuilder::Result result = TableBuilder(labels).build(show);
    EXPECT_TRUE(result.ok());
    return std::move(result.table);
}

// Where the sections start; the records begin at a fixed place because the
// time section always holds 3210 entries.
constexpr qsizetype TimeSection = 4;
constexpr qsizetype CueSection = 4 + 3210 * 4;

qsizetype timeEntryAt(int row) {
    return TimeSection + (row - 1) * 4;
}

// The record unit of cue q in a built table is unit 3210 + q.
QByteArray cueRecord(const ControllerTable& table, int cue) {
    return table.units()[std::size_t(3210 + cue - 1)].bytes;
}

TEST(ControllerTableGolden, WholeTablesEqualTheirGoldenFiles) {
    const struct {
        const char* folder;
        std::unique_ptr<Show> (*show)();
    } cases[] = {
        {"empty-show", newShow},
        {"examples", [] { return showFromFixture("transfer/examples/show.json"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const QByteArray expected =
            test::fixture(QStringLiteral("transfer/%1/expected.bin").arg(c.folder));
        const ControllerTable table = tableOf(*c.show());
        EXPECT_EQ(table.size(), expected.size());
        EXPECT_TRUE(table.bytes() == expected);
    }
}

TEST(ControllerTableGolden, EmptyShowHasTheDocumentedFrame) {
    const QByteArray bytes = tableOf(*newShow()).bytes();
    ASSERT_EQ(bytes.size(), ControllerTable::EmptyShowSize);
    EXPECT_EQ(bytes.first(8), hex("B1068A0C99999999"));
    EXPECT_EQ(bytes.mid(timeEntryAt(3200), 4), hex("99999999"));
    EXPECT_EQ(bytes.mid(timeEntryAt(3201), 40), QByteArray(40, '\0'));
    EXPECT_EQ(bytes.mid(CueSection, 3210 * 6), QByteArray(3210 * 6, '\0'));
    EXPECT_EQ(bytes.last(17), QByteArray(16, '\0') + hex("4D"));
}

TEST(ControllerTableUnits, SizesAndFlagsFollowTheLayout) {
    const ControllerTable table = tableOf(*showFromFixture("transfer/examples/show.json"));
    const auto& units = table.units();
    ASSERT_EQ(units.size(), std::size_t(ControllerTable::UnitCount));
    const struct {
        int first, last; // 1-based unit numbers
        qsizetype size;  // -1: a record, at least 6 bytes
        bool acknowledged, progress;
    } ranges[] = {
        {1, 1, 8, true, true},        {2, 3200, 4, true, true},      {3201, 3210, 4, true, false},
        {3211, 6410, -1, true, true}, {6411, 6420, -1, true, false}, {6421, 6437, 1, false, false},
    };
    int progressSteps = 0;
    for (const auto& r : ranges) {
        for (int u = r.first; u <= r.last; ++u) {
            SCOPED_TRACE(u);
            const TableUnit& unit = units[std::size_t(u - 1)];
            if (r.size > 0)
                ASSERT_EQ(unit.bytes.size(), r.size);
            else
                ASSERT_GE(unit.bytes.size(), 6);
            ASSERT_EQ(unit.acknowledged, r.acknowledged);
            ASSERT_EQ(unit.progressStep, r.progress);
            progressSteps += unit.progressStep;
        }
    }
    EXPECT_EQ(progressSteps, ControllerTable::ProgressSteps);
    quint8 sum = 0;
    for (const char byte : table.bytes().chopped(1))
        sum = quint8(sum + quint8(byte));
    EXPECT_EQ(quint8(units.back().bytes[0]), sum);
}

TEST(ControllerTableTimeEntries, TextsBecomePackedBcdOrMarkers) {
    const struct {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"00:01:23:15", "00012315"},
        {"00:01:23.15", "00012315"}, // as the time shift writes it
        {"23:59:59:99", "23595999"},
        {"12:34:56:78 and more", "12345678"},
        {"1:2:3:4", "01000400"}, // fields by position: "1:", ":3", "4", ""
        {"-5:00:00:00", "00000000"},
        {"Finale", "00000000"},
        {"", "99999999"},
        {"   ", "99999999"},
        {"MANUAL STOP", "99999998"},
        {"MANUAL STOP #1", "00000000"}, // the stop label counts only as a whole
        {"TIMED STOP #3", "99999996"},
        {"TIMED STOP", "99999996"},
        {"RESET STOP #12", "99999997"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TimeEntry::bytes(QString::fromLatin1(c.text), false, English), hex(c.bytes));
        EXPECT_EQ(TimeEntry::bytes(QString::fromLatin1(c.text), true, English), hex("99999999"));
    }
}

TEST(ControllerTableTimeEntries, LabelOrderAndMissingLabels) {
    // A text that begins with both timed labels is a timed stop.
    const StopLabels nested{QStringLiteral("HALT"), QStringLiteral("HALT T"),
                            QStringLiteral("HALT TR")};
    EXPECT_EQ(TimeEntry::bytes(QStringLiteral("HALT TR #1"), false, nested), hex("99999996"));
    EXPECT_EQ(TimeEntry::bytes(QStringLiteral("HALT"), false, nested), hex("99999998"));
    // A language without labels turns no cue into a stop.
    const StopLabels none;
    EXPECT_EQ(TimeEntry::bytes(QStringLiteral("00:00:01:00"), false, none), hex("00000100"));
    EXPECT_EQ(TimeEntry::bytes(QString(), false, none), hex("99999999"));
}

TEST(ControllerTableTimeEntries, ManualShowSendsNoTimeAndRowsKeepTheirOrder) {
    auto show = newShow();
    show->cues.row(1).TimeText = QStringLiteral("00:00:09:00");
    show->cues.row(2).TimeText = QStringLiteral("00:00:01:00"); // not sorted: sent as it stands
    show->cues.row(3).TimeText = QStringLiteral("MAN");
    QByteArray bytes = tableOf(*show).bytes();
    EXPECT_EQ(bytes.mid(timeEntryAt(1), 12), hex("000009000000010099999998"));

    show->state.ShowMode = ManualShow;
    bytes = tableOf(*show).bytes();
    EXPECT_EQ(bytes.mid(TimeSection, 3200 * 4), QByteArray(3200 * 4, char(0x99)));
}

TEST(ControllerTableCells, HowACellIsRead) {
    using Target = ChannelLists::Cell::Target;
    const struct {
        const char* cell;
        Target target;
        int number;
        double level;
    } cases[] = {
        {"12", Target::Cue, 12, 0},     {"12-3", Target::Cue, 12, 3},
        {"3200", Target::Cue, 3200, 0}, {" 12", Target::Cue, 12, 0},
        {"12-", Target::Cue, 12, 0},    {"12-x", Target::Cue, 12, 0},
        {"12-3-4", Target::Cue, 12, 3}, {"12--3", Target::Cue, 12, 0},
        {"K 4", Target::Key, 4, 0},     {"K 10-2", Target::Key, 10, 2},
        {"KX4", Target::Key, 4, 0}, // the key number starts at the third character
        {"K4", Target::None, 0, 0},     {"K10", Target::None, 0, 0},
        {"K 11", Target::None, 0, 0},   {"K 0", Target::None, 0, 0},
        {"0", Target::None, 0, 0},      {"3201", Target::None, 0, 0},
        {"12.5", Target::None, 0, 0},   {"-3", Target::None, 0, 3},
        {"", Target::None, 0, 0},       {"   ", Target::None, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        const ChannelLists::Cell cell = ChannelLists::read(QString::fromLatin1(c.cell));
        EXPECT_EQ(cell.target, c.target);
        EXPECT_EQ(cell.number, c.number);
        EXPECT_EQ(cell.level, c.level);
    }
}

TEST(ControllerTableRecords, TheFillerDoesNotDependOnTheLastChannel) {
    auto show = newShow();
    show->ics.cell(200, 16) = QStringLiteral("1-5");
    const QByteArray bytes = tableOf(*show).bytes();
    EXPECT_EQ(bytes.chopped(1).last(16), QByteArray(16, '\0'));
}

// Fills `count` channels, slave by slave, with the cell text.
void assign(Show& show, int count, const QString& cell, int firstSlave = 1) {
    for (int i = 0; i < count; ++i)
        show.ics.cell(firstSlave + i / ChannelsPerSlave, i % ChannelsPerSlave + 1) = cell;
}

TEST(ControllerTableRefusal, ARecordOfMoreThan255ChannelsIsRefused) {
    using Holder = TableRefusal::Holder;
    const struct {
        const char* cell;
        int count;
        bool refused;
        Holder holder;
        int number;
    } cases[] = {
        {"7", 255, false, Holder::Cue, 0},    {"7", 256, true, Holder::Cue, 7},
        {"7-3", 3200, true, Holder::Cue, 7},  {"K 3", 255, false, Holder::Key, 0},
        {"K 3-1", 256, true, Holder::Key, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cell << " x " << c.count);
        auto show = newShow();
        assign(*show, c.count, QString::fromLatin1(c.cell));
        const TableBuilder::Result result = TableBuilder(English).build(*show);
        ASSERT_EQ(!result.ok(), c.refused);
        if (!c.refused) {
            EXPECT_EQ(result.table.size(), ControllerTable::EmptyShowSize + 3 * (c.count - 1));
            continue;
        }
        ASSERT_EQ(result.refusals.size(), 1u);
        const TableRefusal& refusal = result.refusals.front();
        EXPECT_EQ(refusal.reason, TableRefusal::Reason::TooManyChannels);
        EXPECT_EQ(refusal.holder, c.holder);
        EXPECT_EQ(refusal.number, c.number);
        EXPECT_EQ(refusal.count, c.count);
        EXPECT_TRUE(result.table.units().empty());
    }
}

TEST(ControllerTableRefusal, TheFullRecordOf255ChannelsStatesItsCount) {
    auto show = newShow();
    assign(*show, 255, QStringLiteral("9-1"));
    const QByteArray record = cueRecord(tableOf(*show), 9);
    ASSERT_EQ(record.size(), 3 + 255 * 3);
    EXPECT_EQ(record.first(6), hex("0000FF010001"));
    EXPECT_EQ(record.last(3), hex("0100FF"));
}

TEST(ControllerTableRefusal, EveryPlaceIsNamedLevelsByCellThenCuesThenKeys) {
    using Reason = TableRefusal::Reason;
    using Holder = TableRefusal::Holder;
    auto show = newShow();
    assign(*show, 256, QStringLiteral("K 1"), 1);
    assign(*show, 300, QStringLiteral("40"), 20);
    assign(*show, 256, QStringLiteral("12"), 60);
    show->ics.cell(100, 2) = QStringLiteral("12-300"); // still one more channel of cue 12
    show->ics.cell(80, 1) = QStringLiteral("3-11");
    const TableBuilder::Result result = TableBuilder(English).build(*show);
    const std::vector<TableRefusal> expected = {
        {Reason::LevelOutOfRange, Holder::Cue, 0, 0, 80, 1, QStringLiteral("3-11")},
        {Reason::LevelOutOfRange, Holder::Cue, 0, 0, 100, 2, QStringLiteral("12-300")},
        {Reason::TooManyChannels, Holder::Cue, 12, 257, 0, 0, QString()},
        {Reason::TooManyChannels, Holder::Cue, 40, 300, 0, 0, QString()},
        {Reason::TooManyChannels, Holder::Key, 1, 256, 0, 0, QString()},
    };
    EXPECT_EQ(result.refusals, expected);
    EXPECT_TRUE(result.table.units().empty());
}

TEST(ControllerTableRefusal, ALevelOutsideOneToTenOnAFiringChannelIsRefused) {
    const struct {
        const char* cell;
        bool refused;
    } cases[] = {
        {"12-10", false}, {"12-0", false},  {"12-11", true}, {"12-2.5", true},   {"K 2-300", true},
        {"12-300", true}, {"11-255", true}, {"0-99", false}, {"3201-99", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        auto show = newShow();
        show->ics.cell(3, 5) = QString::fromLatin1(c.cell);
        const TableBuilder::Result result = TableBuilder(English).build(*show);
        ASSERT_EQ(!result.ok(), c.refused);
        if (!c.refused)
            continue;
        ASSERT_EQ(result.refusals.size(), 1u);
        const TableRefusal& refusal = result.refusals.front();
        EXPECT_EQ(refusal.reason, TableRefusal::Reason::LevelOutOfRange);
        EXPECT_EQ(refusal.slave, 3);
        EXPECT_EQ(refusal.channel, 5);
        EXPECT_EQ(refusal.cell, QString::fromLatin1(c.cell));
    }
}

// Takes units until it has `wanted` of them.
class CountingReceiver : public TableReceiver {
public:
    explicit CountingReceiver(int wanted) : m_wanted(wanted) {}
    Answer take(const TableUnit& unit) override {
        bytes += unit.bytes;
        return ++taken == m_wanted ? Answer::Stop : Answer::GoOn;
    }
    int taken = 0;
    QByteArray bytes;

private:
    int m_wanted;
};

TEST(ControllerTableHandOut, UnitsGoOutInOrderAndNoneAfterAStop) {
    const ControllerTable table = tableOf(*showFromFixture("transfer/examples/show.json"));
    CountingReceiver stopping(3211);
    EXPECT_FALSE(table.handOut(stopping));
    EXPECT_EQ(stopping.taken, 3211);
    EXPECT_EQ(stopping.bytes, table.bytes().first(CueSection + 6));
    CountingReceiver all(0);
    EXPECT_TRUE(table.handOut(all));
    EXPECT_EQ(all.taken, ControllerTable::UnitCount);
    EXPECT_TRUE(all.bytes == table.bytes());
}

} // namespace
