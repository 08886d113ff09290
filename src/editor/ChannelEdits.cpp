#include "ChannelEdits.h"

#include "EditContext.h"
#include "EditTextId.h"
#include "settings/TextId.h"
#include "show/Assignment.h"
#include "show/NumericText.h"
#include "show/Show.h"

#include <cmath>

namespace zyn {

namespace {

constexpr QStringView Separators = u".,/* ;:#";

template<typename Visit> bool forEachCell(IcTable& ics, const IcArea& area, Visit visit) {
    bool changed = false;
    for (int s = area.firstSlave; s <= area.lastSlave; ++s) {
        for (int c = area.firstChannel; c <= area.lastChannel; ++c)
            changed = visit(ics.cell(s, c)) || changed;
    }
    return changed;
}

template<typename Visit>
bool forEachCell(StepperTable& steppers, const StepperSelection& selection, Visit visit) {
    bool changed = false;
    for (int i = selection.first(); i <= selection.last(); ++i)
        changed = visit(steppers.cell(i)) || changed;
    return changed;
}

// Writes the text; true when the cell changed.
bool put(QString& cell, const QString& text) {
    if (cell == text)
        return false;
    cell = text;
    return true;
}

bool isSecurityKey(int keyCode) {
    return (keyCode >= ChannelEdits::KeyF1 && keyCode <= ChannelEdits::KeyF10) ||
           keyCode == ChannelEdits::KeyF12;
}

// The cue row a number names, 0 when it names none.
int rowOf(double number) {
    if (!(number >= 1 && number <= MaxCues) || number != std::floor(number))
        return 0;
    return int(number);
}

EditResult cellsResult(bool changed, const IcArea& area) {
    EditResult result;
    result.changed = changed;
    result.icCells = area;
    return result;
}

EditResult stepperResult(bool changed) {
    EditResult result;
    result.changed = changed;
    result.stepperCells = true;
    return result;
}

} // namespace

QString ChannelEdits::cellFromTyped(const QString& typed, bool needsTime) const {
    using namespace EditTextId;
    QString text = typed;
    text.remove(u'_');
    for (const QChar separator : Separators)
        text.replace(separator, u'-');
    const QStringList parts = text.split(u'-');
    // The cue is read from the part before the separator: read from the whole
    // text, "12.7" would round to cue 13 and fire the channel with it.
    const double cue = NumericText::roundHalfEven(NumericText::leadingValue(parts[0]));
    if (!(cue >= 1 && cue <= MaxCues)) {
        m_context.warn(m_context.text(CueOutOfRange), TextId::WarningTitle);
        return {};
    }
    const int number = int(cue);
    if (needsTime && !m_context.show.cues.row(number).isInUse()) {
        m_context.warn(m_context.text(CueWithoutTimeLead) + u' ' + QString::number(number) + u' ' +
                           m_context.text(CueWithoutTimeTail),
                       TextId::WarningTitle);
        return {};
    }
    const double level = parts.size() > 1 ? NumericText::leadingValue(parts[1]) : 0.0;
    if (level > MaxLevel) {
        m_context.warn(m_context.text(LevelOutOfRange), TextId::WarningTitle);
        return {};
    }
    // A level that rounds to 0 would be stored as "12-0": no level at all.
    const double rounded = NumericText::roundHalfEven(level);
    return rounded >= MinLevel ? Assignment::cueText(number, int(rounded))
                               : Assignment::cueText(number);
}

bool ChannelEdits::mayApplyCopy(const QString& copy, bool keysAllowed) const {
    using namespace EditTextId;
    // A key assignment fires no cue, so no cue needs a time for it.
    if (keysAllowed && Assignment::parse(copy).kind == Assignment::Kind::Key)
        return true;
    QString number = copy;
    number.remove(u'K');
    const int row = rowOf(NumericText::leadingValue(number));
    if (row && m_context.show.cues.row(row).isInUse())
        return true;
    m_context.warn(m_context.text(CueWithoutTimeLead) + u' ' + copy + u' ' +
                       m_context.text(CueWithoutTimeTail),
                   TextId::QuestionTitle);
    return false;
}

EditResult ChannelEdits::sb_IC_Copy(int slave, int channel) {
    if (!IcTable::isValidCell(slave, channel))
        return {};
    m_context.show.copies.IcCopyBuffer = m_context.show.ics.cell(slave, channel);
    EditResult result;
    result.enableSwap = SwapCommand::Ic;
    return result;
}

EditResult ChannelEdits::sb_Steper_Copy(int cell) {
    if (!StepperTable::isValidCell(cell))
        return {};
    m_context.show.copies.StepperCopyBuffer = m_context.show.steppers.cell(cell);
    EditResult result;
    result.enableSwap = SwapCommand::Stepper;
    return result;
}

EditResult ChannelEdits::sb_IC_Tausch(const IcSelection& selection) {
    if (!selection.isValid())
        return {};
    Show& show = m_context.show;
    show.state.ShowChanged = true;
    const QString copy = show.copies.IcCopyBuffer;
    if (copy.isEmpty() || !mayApplyCopy(copy, true))
        return {};
    const bool changed =
        forEachCell(show.ics, selection.area(), [&](QString& cell) { return put(cell, copy); });
    return cellsResult(changed, selection.area());
}

EditResult ChannelEdits::sb_Steper_Tausch(const StepperSelection& selection) {
    if (!selection.isValid())
        return {};
    Show& show = m_context.show;
    show.state.ShowChanged = true;
    const QString copy = show.copies.StepperCopyBuffer;
    if (copy.isEmpty() || !mayApplyCopy(copy, false))
        return {};
    return stepperResult(
        forEachCell(show.steppers, selection, [&](QString& cell) { return put(cell, copy); }));
}

EditResult ChannelEdits::sb_Put_IC(const QString& typed, int slave, int channel) {
    Show& show = m_context.show;
    show.state.InputActive = false;
    show.state.ShowChanged = true;
    if (!IcTable::isValidCell(slave, channel))
        return {};
    const QString entry = cellFromTyped(typed, false);
    if (entry.isEmpty())
        return {};
    return cellsResult(put(show.ics.cell(slave, channel), entry),
                       IcSelection::single(slave, channel).area());
}

EditResult ChannelEdits::sb_Put_Stepper(const QString& typed, int cell) {
    Show& show = m_context.show;
    show.state.InputActive = false;
    show.state.ShowChanged = true;
    if (!StepperTable::isValidCell(cell))
        return {};
    const QString entry = cellFromTyped(typed, true);
    if (entry.isEmpty())
        return {};
    return stepperResult(put(show.steppers.cell(cell), entry));
}

EditResult ChannelEdits::sb_Eingabe_ICSelect(int cueRow, const IcSelection& selection) {
    Show& show = m_context.show;
    if (show.state.InputActive || !CueTable::isValidRow(cueRow) || !selection.isValid())
        return {};
    const QString cue = show.cues.row(cueRow).CueNumber;
    show.state.ShowChanged = true;
    const bool changed =
        forEachCell(show.ics, selection.area(), [&](QString& cell) { return put(cell, cue); });
    return cellsResult(changed, selection.area());
}

EditResult ChannelEdits::sb_Eingabe_StepperSelect(int cueRow, int cell) {
    Show& show = m_context.show;
    if (show.state.InputActive || !CueTable::isValidRow(cueRow) ||
        !StepperTable::isValidCell(cell) || !show.cues.row(cueRow).isInUse())
        return {};
    // Marked as changed like every other write, so the change is not lost
    // on closing without the save question.
    show.state.ShowChanged = true;
    return stepperResult(put(show.steppers.cell(cell), show.cues.row(cueRow).CueNumber));
}

QString ChannelEdits::withSecurityKey(const QString& cell, int keyCode) {
    if (cell.isEmpty() || !isSecurityKey(keyCode))
        return cell;
    const qsizetype dash = cell.indexOf(u'-');
    const QString head = dash < 0 ? cell : cell.left(dash);
    if (keyCode == KeyF12)
        return head;
    const qint64 level =
        dash < 0 ? 0
                 : NumericText::toInt32(NumericText::leadingValue(QStringView(cell).mid(dash + 1)))
                       .value_or(0);
    qint64 newLevel = keyCode - 111;
    if (level != 0 && level % 10 == keyCode % 10 - 1)
        newLevel = level + 10;
    if (newLevel > 10)
        newLevel -= 10;
    return head + u'-' + QString::number(newLevel);
}

EditResult ChannelEdits::sb_IC_Set_Security(int keyCode, const IcSelection& selection) {
    Show& show = m_context.show;
    if (show.state.ShowMode != TimeCodedShow || !isSecurityKey(keyCode) || !selection.isValid())
        return {};
    show.state.ShowChanged = true;
    const bool changed = forEachCell(show.ics, selection.area(), [&](QString& cell) {
        return put(cell, withSecurityKey(cell, keyCode));
    });
    EditResult result = cellsResult(changed, selection.area());
    result.moveToNextCell = keyCode == KeyF10;
    return result;
}

EditResult ChannelEdits::sb_Steper_Set_Security(int keyCode, const StepperSelection& selection) {
    Show& show = m_context.show;
    if (show.state.ShowMode != TimeCodedShow || !isSecurityKey(keyCode) || !selection.isValid())
        return {};
    show.state.ShowChanged = true;
    EditResult result = stepperResult(forEachCell(show.steppers, selection, [&](QString& cell) {
        return put(cell, withSecurityKey(cell, keyCode));
    }));
    result.moveToNextCell = keyCode == KeyF10;
    return result;
}

EditResult ChannelEdits::sb_IC_Delete(const IcSelection& selection) {
    using namespace EditTextId;
    if (!selection.isValid())
        return {};
    const IcArea area = selection.area();
    if (!m_context.confirmDelete(m_context.countQuestion(
            area.cellCount(), DeleteChannel, SelectedCellsLead, SelectedCellsTail, DeleteChannels)))
        return {};
    m_context.show.state.ShowChanged = true;
    return cellsResult(
        forEachCell(m_context.show.ics, area, [](QString& cell) { return put(cell, QString()); }),
        area);
}

EditResult ChannelEdits::sb_Stepper_Delete(const StepperSelection& selection) {
    using namespace EditTextId;
    if (!selection.isValid())
        return {};
    // Stepper cells are always asked for, whatever the delete question switch says.
    if (!m_context.ask(m_context.countQuestion(selection.cellCount(), DeleteStepperCell,
                                               SelectedCellsLead, SelectedCellsTail,
                                               DeleteStepperCells)))
        return {};
    m_context.show.state.ShowChanged = true;
    return stepperResult(forEachCell(m_context.show.steppers, selection,
                                     [](QString& cell) { return put(cell, QString()); }));
}

} // namespace zyn
