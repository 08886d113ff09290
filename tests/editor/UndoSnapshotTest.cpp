#include "EditFixture.h"
#include "editor/ChannelEdits.h"
#include "editor/CueEdits.h"
#include "editor/CueInsert.h"
#include "editor/CueSort.h"
#include "editor/KeyAssignmentEdit.h"
#include "editor/ShowSnapshot.h"
#include "editor/TimeShift.h"

#include <QRandomGenerator>

namespace zyn::test {
namespace {

class AnswersYes : public Prompter {
public:
    bool ask(const QString&, const QString&) override { return true; }
    void warn(const QString&, const QString&) override {}
    void critical(const QString&, const QString&) override {}
};

// Compared field by field against a plain copy of the show, so that a field
// the snapshot forgets is caught.
bool sameShow(const Show& a, const Show& b) {
    return a.cues == b.cues && a.ics == b.ics && a.steppers == b.steppers &&
           a.state.SortPending == b.state.SortPending && a.state.ShowMode == b.state.ShowMode;
}

class UndoSnapshot : public EditFixture {
protected:
    UndoSnapshot() {
        m_settings.askBeforeDelete = false;
        const QStringList stops = {StopLabel, TimedStopLabel, ResetStopLabel, ""};
        for (int r = 1; r <= 60; ++r) {
            m_show.cues.row(r).TimeText =
                r % 7 ? QStringLiteral("00:00:%1:00").arg(m_random.bounded(10, 60)) : stops[r % 4];
            m_show.cues.row(r).Description = QStringLiteral("c%1").arg(r);
        }
        for (int s = 1; s <= 4; ++s) {
            for (int c = 1; c <= ChannelsPerSlave; ++c) {
                const int n = m_random.bounded(1, 70);
                m_show.ics.cell(s, c) = QString(n % 9 ? "%1-%2" : "K %1-%2").arg(n).arg(c);
            }
        }
    }

    int row() { return m_random.bounded(1, 80); }
    int slave() { return m_random.bounded(1, 6); }
    int channel() { return m_random.bounded(1, ChannelsPerSlave + 1); }
    CueColumn column() { return m_random.bounded(2) ? CueColumn::Time : CueColumn::Description; }
    CueSelection cues() { return {row(), column(), row(), column()}; }
    IcSelection ics() { return {slave(), channel(), slave(), channel()}; }

    void randomOperation() {
        CueEdits cue(m_yesContext);
        ChannelEdits ic(m_yesContext);
        const std::function<void()> operations[] = {
            [&] { cue.cb_CUE_Delete(cues()); },
            [&] { cue.cb_CUE_Delete_ICs(cues()); },
            [&] { cue.cb_CUE_ChangeToManuell(StopKind(m_random.bounded(3)), cues()); },
            [&] { cue.sb_CUE_Copy(row()), cue.sb_CUE_Tausch(row()); },
            [&] { CueInsert(m_yesContext).sb_CUE_Paste(m_random.bounded(2) ? row() : MaxCues); },
            [&] { CueSort(m_yesContext).sort(false, row()); },
            [&] {
                const double seconds = m_random.bounded(30);
                TimeShift(m_yesContext)
                    .run({TimeShift::Range(m_random.bounded(3)),
                          TimeShift::Operator(m_random.bounded(2)),
                          {0, 0, seconds, 0},
                          row(),
                          row()});
            },
            [&] {
                ic.sb_Put_IC(QStringLiteral("%1.%2").arg(row()).arg(m_random.bounded(11)), 1, 2);
            },
            [&] { ic.sb_Eingabe_ICSelect(row(), ics()); },
            [&] { ic.sb_IC_Set_Security(m_random.bounded(112, 124), ics()); },
            [&] { ic.sb_IC_Copy(slave(), channel()), ic.sb_IC_Tausch(ics()); },
            [&] { ic.sb_IC_Delete(ics()); },
            [&] { KeyAssignmentEdit(m_show.ics.cell(2, 3)).keyReleased(50, m_show, 2, 3); },
        };
        operations[m_random.bounded(int(std::size(operations)))]();
    }

    QRandomGenerator m_random{2024};
    AnswersYes m_yes;
    EditContext m_yesContext{m_show, m_texts, m_settings, m_yes};
};

TEST_F(UndoSnapshot, UndoAndRedoOfRandomOperationsRestoreTheExactTables) {
    for (int round = 0; round < 5; ++round) {
        std::vector<ShowSnapshot> before, after;
        std::vector<Show> plainBefore, plainAfter;
        for (int step = 0; step < 20; ++step) {
            before.push_back(ShowSnapshot::of(m_show));
            plainBefore.push_back(m_show);
            randomOperation();
            after.push_back(ShowSnapshot::of(m_show));
            plainAfter.push_back(m_show);
        }
        for (size_t i = before.size(); i-- > 0;) {
            m_show.state.ShowChanged = false;
            before[i].restoreTo(m_show);
            ASSERT_TRUE(sameShow(m_show, plainBefore[i])) << "undo of step " << i;
            ASSERT_TRUE(m_show.state.ShowChanged);
        }
        for (size_t i = 0; i < after.size(); ++i) {
            after[i].restoreTo(m_show);
            ASSERT_TRUE(sameShow(m_show, plainAfter[i])) << "redo of step " << i;
        }
    }
}

} // namespace
} // namespace zyn::test
