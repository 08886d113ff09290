#include "EditFixture.h"
#include "editor/KeyAssignmentEdit.h"

namespace zyn::test {
namespace {

using Outcome = KeyAssignmentEdit::Outcome;

class KeyAssignment : public EditFixture {};

TEST_F(KeyAssignment, ADigitKeyAssignsItsKeyAndKeepsTheLevel) {
    constexpr int Digit0 = 48, Keypad0 = 96;
    const struct {
        const char* cell;
        int keyCode;
        Outcome outcome;
        const char* result;
    } cases[] = {
        {"12-3", Digit0 + 4, Outcome::Assigned, "K 4-3"},
        {"12", Digit0, Outcome::Assigned, "K 10"},
        {"", Keypad0, Outcome::Assigned, "K 10"},
        {"", Digit0 + 1, Outcome::Assigned, "K 1"},
        {"7-2", Keypad0 + 5, Outcome::Assigned, "K 5-2"},
        {"K 3", Digit0 + 8, Outcome::Assigned, "K 8"},
        {"K 3-10", Keypad0 + 9, Outcome::Assigned, "K 9-10"},
        {"12-3", KeyAssignmentEdit::KeyEscape, Outcome::Closed, "12-3"},
        {"12-3", 'A', Outcome::Ignored, "12-3"},
        {"12-3", 112, Outcome::Ignored, "12-3"}, // F1
        {"12-3", 37, Outcome::Ignored, "12-3"},  // left arrow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.cell) + " key " + std::to_string(c.keyCode));
        m_show.ics.cell(4, 5) = QString::fromUtf8(c.cell);
        m_show.state.ShowChanged = false;
        const KeyAssignmentEdit dialog(m_show.ics.cell(4, 5));
        EXPECT_EQ(dialog.keyReleased(c.keyCode, m_show, 4, 5), c.outcome);
        EXPECT_EQ(m_show.ics.cell(4, 5), c.result);
        EXPECT_EQ(m_show.state.ShowChanged, c.outcome == Outcome::Assigned);
    }
}

TEST_F(KeyAssignment, TheLabelsDescribeTheChannelAndItsLevel) {
    const QString breaks = QStringLiteral("\n\r\n\r");
    const KeyAssignmentEdit free((QString()));
    EXPECT_EQ(free.firstLabel(m_texts, 7, 12), "T105" + breaks + "T13  7  T14  12");
    EXPECT_EQ(free.secondLabel(m_texts), "T106" + breaks + "T107");
    const KeyAssignmentEdit levelled(QStringLiteral("12-3"));
    EXPECT_EQ(levelled.firstLabel(m_texts, 1, 2), "T108" + breaks + "T13  1  T14  2    T111 3");
    EXPECT_EQ(levelled.secondLabel(m_texts), "T106" + breaks + "T109");
    EXPECT_EQ(KeyAssignmentEdit(QStringLiteral("12")).firstLabel(m_texts, 1, 2),
              "T108" + breaks + "T13  1  T14  2    T110");
}

} // namespace
} // namespace zyn::test
