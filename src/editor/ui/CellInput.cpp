#include "CellInput.h"

#include "CueGridModel.h"
#include "EditorTextId.h"
#include "InputBox.h"
#include "ShowGridView.h"
#include "document/ShowDocument.h"
#include "editor/TimeEntry.h"
#include "platform/Prompter.h"
#include "settings/TextId.h"
#include "show/ScrambledField.h"
#include "ui/ColourValue.h"

#include <QToolTip>
#include <QValidator>

namespace zyn {

namespace {

constexpr int TimeLength = 11;
constexpr int DescriptionLength = 64;
constexpr int AssignmentLength = 7;

// Refuses characters a project file cannot store, so they never get into the
// show and a later save never has to refuse it.
class StorableText : public QValidator {
public:
    StorableText(std::function<void()> onRefused, QObject* parent)
        : QValidator(parent), m_onRefused(std::move(onRefused)) {}

    State validate(QString& input, int&) const override {
        if (ScrambledField::firstUnstorable(input) < 0)
            return Acceptable;
        m_onRefused();
        return Invalid;
    }

private:
    std::function<void()> m_onRefused;
};

QString withoutPrompts(QString text) {
    return text.remove(u'_');
}

} // namespace

CellInput::CellInput(ShowDocument& document, ShowGridView& cues, ShowGridView& channels,
                     ShowGridView& steppers, QObject* parent)
    : QObject(parent), m_document(document), m_cues(cues), m_channels(channels),
      m_steppers(steppers) {
    const std::pair<Box, const char*> names[] = {{Box::Cue, "txt_Eingabe"},
                                                 {Box::Channel, "txt_Eingabe_CUE"},
                                                 {Box::Stepper, "txt_Eingabe_STEPPER"}};
    for (const auto& [kind, name] : names) {
        auto* input = new InputBox(QLatin1String(name), gridOf(kind).viewport());
        m_boxes[static_cast<int>(kind)] = input;
        input->setValidator(new StorableText(
            [this, input] {
                QToolTip::showText(input->mapToGlobal(QPoint(0, input->height())),
                                   m_document.text(EditorTextId::CharacterNotStorable), input);
            },
            input));
        const Box which = kind;
        connect(input, &InputBox::enterReleased, this, [this, which] { enter(which); });
        connect(input, &InputBox::escapeReleased, this, [this, which] { escape(which); });
        connect(input, &InputBox::focusLost, this, [this, which] { focusLost(which); });
        connect(input, &InputBox::focusGained, this, [this] { emit focused(true); });
    }
    applyBackground();
}

InputBox& CellInput::box(Box which) const {
    return *m_boxes[static_cast<int>(which)];
}

ShowGridView& CellInput::gridOf(Box which) const {
    switch (which) {
    case Box::Cue:
        return m_cues;
    case Box::Channel:
        return m_channels;
    case Box::Stepper:
        break;
    }
    return m_steppers;
}

bool CellInput::isOpen() const {
    return m_document.show.state.InputActive;
}

void CellInput::applyBackground() {
    const QColor colour = ColourValue::toColour(m_document.settings().inputBackColour);
    for (InputBox* input : m_boxes)
        input->setBackground(colour);
}

QString CellInput::initialText(Box which, int row, int column) const {
    const Show& show = m_document.show;
    switch (which) {
    case Box::Cue: {
        const CueRow& cue = show.cues.row(row + 1);
        if (column == CueGridModel::TimeColumn)
            return cue.TimeText.isEmpty() ? QStringLiteral("00:00:00:00") : cue.TimeText;
        return cue.Description.left(DescriptionLength);
    }
    case Box::Channel: {
        const QString& cell = show.ics.cell(row + 1, column + 1);
        return cell.isEmpty() ? box(which).text() : cell;
    }
    case Box::Stepper: {
        const QString cell =
            StepperTable::isValidCell(column + 1) ? show.steppers.cell(column + 1) : QString();
        return cell.isEmpty() ? box(which).text() : cell;
    }
    }
    return {};
}

void CellInput::open(Box which, const QString& typed) {
    if (isOpen())
        return;
    ShowGridView& grid = gridOf(which);
    const QModelIndex index = grid.currentIndex();
    if (!index.isValid())
        return;
    InputBox& input = box(which);
    const bool timeCell = which == Box::Cue && index.column() == CueGridModel::TimeColumn;
    const int maxLength = which != Box::Cue ? AssignmentLength
                          : timeCell        ? TimeLength
                                            : DescriptionLength;
    grid.setFrozen(true);
    grid.scrollTo(index);
    input.setGeometry(grid.visualRect(index).adjusted(-1, -1, 1, 1));
    input.setCell(index.row(), index.column());
    const QString initial = initialText(which, index.row(), index.column());
    input.setMaxLength(maxLength);
    input.setText(initial);
    input.selectAll();
    input.show();
    input.raise();
    m_document.show.state.InputActive = true;
    input.setFocus(Qt::OtherFocusReason);
    if (!typed.isEmpty())
        input.insert(typed);
}

void CellInput::enter(Box which) {
    if (!isOpen())
        return;
    if (commit(which))
        close(which);
}

void CellInput::escape(Box which) {
    if (!isOpen())
        return;
    close(which);
}

void CellInput::finish() {
    for (const Box which : {Box::Cue, Box::Channel, Box::Stepper}) {
        if (box(which).isVisible())
            focusLost(which);
    }
}

void CellInput::focusLost(Box which) {
    if (m_busy || m_shutDown || !isOpen() || !box(which).isVisible())
        return;
    if (withoutPrompts(box(which).text()).trimmed().isEmpty()) {
        close(which);
        return;
    }
    if (m_document.settings().askBeforeInput) {
        m_busy = true;
        const bool keep = m_document.prompter.ask(m_document.text(EditorTextId::ApplyEntryQuestion),
                                                  m_document.text(TextId::QuestionTitle));
        m_busy = false;
        if (!keep) {
            close(which);
            return;
        }
    }
    if (commit(which))
        close(which);
    else
        box(which).setFocus(Qt::OtherFocusReason);
}

bool CellInput::commit(Box which) {
    m_busy = true;
    bool done = true;
    if (which == Box::Cue) {
        done = commitCue();
    } else {
        const InputBox& input = box(which);
        m_document.show.state.InputActive = false;
        if (m_committer)
            m_committer(which, input.row(), input.column(), withoutPrompts(input.text()));
    }
    m_busy = false;
    return done;
}

bool CellInput::commitCue() {
    const InputBox& input = box(Box::Cue);
    const int row = input.row() + 1;
    QString time;
    const bool timeCell = input.column() == CueGridModel::TimeColumn;
    if (timeCell) {
        const TimeEntryResult result = sb_Umwandlung_EingabeZeit(input.text());
        if (result.error) {
            m_document.prompter.warn(m_document.text(EditorTextId::InvalidTime),
                                     m_document.text(TextId::WarningTitle));
            return false;
        }
        time = result.timeText;
    }
    const auto change = [&] {
        CueRow& cue = m_document.show.cues.row(row);
        if (timeCell) {
            cue.TimeText = time;
            m_document.show.state.SortPending = true;
        } else {
            // Underscores are the user's own text here, not prompt characters.
            cue.Description = input.text();
        }
        m_document.show.state.ShowChanged = true;
        m_document.show.state.InputActive = false;
        EditResult result;
        result.changed = true;
        result.cueRows = {row, row};
        return result;
    };
    if (m_recorder)
        m_recorder(change);
    else
        change();
    emit cueCellChanged(row);
    return true;
}

void CellInput::close(Box which) {
    m_document.show.state.InputActive = false;
    InputBox& input = box(which);
    m_busy = true;
    input.hide();
    ShowGridView& grid = gridOf(which);
    grid.setFrozen(false);
    grid.setFocus(Qt::OtherFocusReason);
    m_busy = false;
    emit focused(false);
}

} // namespace zyn
