#include "EditFixture.h"
#include "editor/ChannelEdits.h"

namespace zyn::test {
namespace {

class ChannelEditing : public EditFixture {
protected:
    ChannelEditing() { setTimes({"00:00:01:00", "00:00:02:00"}); }
    ChannelEdits m_edits{m_context};
};

TEST_F(ChannelEditing, ATypedCueIsStoredWithItsLevelOrRefused) {
    const struct {
        const char* typed;
        const char* cell;    // stored cell, or "" when refused
        const char* warning; // the refusal's text
    } cases[] = {
        {"12", "12", ""},
        {"12.3", "12-3", ""},
        {"12-0", "12", ""},
        {"12-11", "", "T122"},
        {"12-10", "12-10", ""},
        {"12,4", "12-4", ""},
        {"1 2", "1-2", ""},
        {"12#3", "12-3", ""},
        {"_12_", "12", ""},
        // The cue is the part before the separator: 12.7 is cue 12 level 7,
        // never cue 13.
        {"12.7", "12-7", ""},
        {"3200.5", "3200-5", ""},
        {"12-0.4", "12", ""},
        {"0", "", "T97"},
        {"3201", "", "T97"},
        {"", "", "T97"},
        {"-5", "", "T97"},
        {"1e9", "", "T97"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        m_prompter.clear();
        m_show.ics.cell(3, 4) = "old";
        m_show.state.InputActive = true;
        m_show.state.ShowChanged = false;
        const EditResult result = m_edits.sb_Put_IC(QString::fromUtf8(c.typed), 3, 4);
        const QString expected = *c.cell ? QString::fromUtf8(c.cell) : QStringLiteral("old");
        EXPECT_EQ(m_show.ics.cell(3, 4), expected);
        EXPECT_EQ(result.changed, *c.cell != 0);
        EXPECT_EQ(warnings(), *c.warning ? QStringList{c.warning} : QStringList{});
        // The box closes and the show counts as changed whatever happened.
        EXPECT_FALSE(m_show.state.InputActive);
        EXPECT_TRUE(m_show.state.ShowChanged);
    }
    EXPECT_EQ(m_prompter.shown().value(0).title, "T10");
}

TEST_F(ChannelEditing, SecurityKeysSetOrClearTheLevel) {
    constexpr int F1 = ChannelEdits::KeyF1, F4 = F1 + 3, F10 = ChannelEdits::KeyF10,
                  F12 = ChannelEdits::KeyF12;
    const struct {
        const char* cell;
        int key;
        const char* result;
    } cases[] = {
        {"12-3", F12, "12"},   {"12-3", F4, "12-4"},     {"", F4, ""},
        {"12", F1, "12-1"},    {"12-4", F4, "12-4"},     {"12-10", F10, "12-10"},
        {"12", F10, "12-10"},  {"K 4-2", F10, "K 4-10"}, {"K 4", F12, "K 4"},
        {"12-3", 122, "12-3"}, // F11 is no security key
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.cell) + " key " + std::to_string(c.key));
        m_show.ics.cell(1, 1) = QString::fromUtf8(c.cell);
        const EditResult result = m_edits.sb_IC_Set_Security(c.key, IcSelection::single(1, 1));
        EXPECT_EQ(m_show.ics.cell(1, 1), QString::fromUtf8(c.result));
        EXPECT_EQ(result.moveToNextCell, c.key == F10);
    }
    // A selection sets every non-empty cell of its rectangle.
    setChannels({"1", "", "2-9"});
    m_show.ics.cell(2, 2) = "K 3";
    m_edits.sb_IC_Set_Security(F1 + 1, {2, 3, 1, 1});
    EXPECT_EQ(channels(3), (QStringList{"1-2", "", "2-2"}));
    EXPECT_EQ(m_show.ics.cell(2, 2), "K 3-2");
    // Not in a manual show.
    m_show.state.ShowMode = ManualShow;
    EXPECT_FALSE(m_edits.sb_IC_Set_Security(F12, {2, 3, 1, 1}).changed);
}

TEST_F(ChannelEditing, ACopiedChannelIsAppliedOnlyWhenItsCueHasATime) {
    setChannels({"2-3", "5", "K 4"});
    m_edits.sb_IC_Copy(1, 1);
    EXPECT_TRUE(m_edits.sb_IC_Tausch({5, 1, 6, 2}).changed);
    for (const auto& [s, c] : {std::pair{5, 1}, {5, 2}, {6, 1}, {6, 2}})
        EXPECT_EQ(m_show.ics.cell(s, c), "2-3");

    m_edits.sb_IC_Copy(1, 2); // cue 5 has no time
    EXPECT_FALSE(m_edits.sb_IC_Tausch(IcSelection::single(7, 1)).changed);
    EXPECT_EQ(m_show.ics.cell(7, 1), "");
    EXPECT_EQ(warnings(), QStringList{"T98 5 T99"});
    EXPECT_EQ(m_prompter.shown().value(0).title, "T9");

    // A key assignment fires no cue: it needs no cue time.
    m_edits.sb_IC_Copy(1, 3);
    EXPECT_TRUE(m_edits.sb_IC_Tausch(IcSelection::single(7, 1)).changed);
    EXPECT_EQ(m_show.ics.cell(7, 1), "K 4");

    m_edits.sb_IC_Copy(9, 9); // an empty cell
    m_show.state.ShowChanged = false;
    EXPECT_FALSE(m_edits.sb_IC_Tausch(IcSelection::single(7, 1)).changed);
    EXPECT_TRUE(m_show.state.ShowChanged);
}

TEST_F(ChannelEditing, TheCurrentCueReplacesEverySelectedChannel) {
    setChannels({"K 4-2", "7-3"});
    EXPECT_TRUE(m_edits.sb_Eingabe_ICSelect(2, {1, 1, 1, 3}).changed);
    EXPECT_EQ(channels(4), (QStringList{"2", "2", "2", ""}));

    m_show.state.InputActive = true;
    EXPECT_FALSE(m_edits.sb_Eingabe_ICSelect(1, {1, 1, 1, 3}).changed);
    EXPECT_EQ(channels(1), QStringList{"2"});
}

TEST_F(ChannelEditing, DeletingChannelsAsksWithTheCellCount) {
    setChannels({"1", "2", "K 1"});
    m_prompter.answer({false, true, true});
    EXPECT_FALSE(m_edits.sb_IC_Delete({1, 1, 2, 3}).changed);
    EXPECT_EQ(channels(3), (QStringList{"1", "2", "K 1"}));
    EXPECT_TRUE(m_edits.sb_IC_Delete({1, 1, 2, 3}).changed);
    EXPECT_EQ(channels(3), (QStringList{"", "", ""}));
    m_edits.sb_IC_Delete(IcSelection::single(4, 4));
    EXPECT_EQ(questions(), (QStringList{"T10\r\n\r\nT101 6 T102\r\n\r\nT103",
                                        "T10\r\n\r\nT101 6 T102\r\n\r\nT103", "T100"}));
}

} // namespace
} // namespace zyn::test
