#include "CueSort.h"

#include "CueMoves.h"
#include "CueReferences.h"
#include "EditContext.h"
#include "EditTextId.h"
#include "TimeCode.h"
#include "settings/LanguageTexts.h"
#include "show/Show.h"

#include <algorithm>
#include <vector>

namespace zyn {

namespace {

// Counts steps and reports them, when anyone listens.
class StepCounter {
public:
    explicit StepCounter(const CueSort::Progress& progress) : m_progress(progress) {}
    void step() {
        ++m_done;
        if (m_progress)
            m_progress(m_done, CueSort::ProgressSteps);
    }
    void finish() {
        if (m_progress)
            m_progress(CueSort::ProgressSteps, CueSort::ProgressSteps);
    }

private:
    const CueSort::Progress& m_progress;
    int m_done = 0;
};

// Rows without a time leave the list, unless a channel fires them: then they
// become stops, so that the channel keeps a cue to fire with. Returns the
// remaining rows, in order.
std::vector<CueRow> compact(Show& show, const QString& stopLabel, StepCounter& counter) {
    const CueReferences references(show.ics);
    std::vector<CueRow> kept;
    kept.reserve(MaxCues);
    for (int r = 1; r <= MaxCues; ++r) {
        CueRow& cue = show.cues.row(r);
        if (!cue.isInUse() && references.isReferenced(r))
            cue.TimeText = stopLabel;
        if (cue.isInUse())
            kept.push_back(std::move(cue));
        counter.step();
    }
    return kept;
}

// A time shift writes a full stop before the hundredths; in the key every
// time takes the colon form, or 00:00:05.50 would sort before 00:00:05:10.
QString keyTime(const QString& timeText) {
    if (!TimeCode::hasForm(timeText) || timeText[8] != u'.')
        return timeText;
    QString colonForm = timeText;
    colonForm[8] = u':';
    return colonForm;
}

void writeSortKeys(std::vector<CueRow>& rows, const StopLabels& labels) {
    int segment = 0;
    QString time = TimeCode::zero();
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString& text = rows[i].TimeText;
        if (text.trimmed() == labels.stop || text.startsWith(labels.timedStop)) {
            // a stop keeps the segment and the time of the cue before it
        } else if (text.startsWith(labels.resetStop)) {
            ++segment;
            time = TimeCode::zero();
        } else {
            time = keyTime(text);
        }
        rows[i].SortKey = CueSort::sortKey(segment, time, int(i) + 1);
    }
}

} // namespace

QString CueSort::sortKey(int segment, const QString& time, int row) {
    return QStringLiteral("%1.%2.%3")
        .arg(segment, 4, 10, QLatin1Char('0'))
        .arg(time)
        .arg(row, 4, 10, QLatin1Char('0'));
}

QString CueSort::progressText(const LanguageTexts& texts, int done, int total) {
    const int percent = total > 0 ? int(qint64(done) * 100 / total) : 0;
    return texts.text(EditTextId::StatusSorting) + QStringLiteral("  : ") +
           QString::number(percent) + u'%';
}

EditResult CueSort::sort(bool askFirst, int currentRow, const Progress& progress) {
    if (askFirst && !m_context.ask(m_context.text(EditTextId::SortQuestion)))
        return {};
    m_context.showStatus(EditTextId::StatusSorting);
    EditResult result;
    result.changed = true;
    result.everything = true;
    result.currentRow =
        sortAndRenumber(m_context.show, m_context.stopLabels(), currentRow, progress);
    m_context.clearStatus();
    return result;
}

int CueSort::sortAndRenumber(Show& show, const StopLabels& languageLabels, int currentRow,
                             const Progress& progress) {
    const StopLabels labels = EditContext::usableLabels(languageLabels);
    StepCounter counter(progress);
    const QString currentCue =
        CueTable::isValidRow(currentRow) ? show.cues.row(currentRow).CueNumber : QString();

    std::vector<CueRow> rows = compact(show, labels.stop, counter);
    writeSortKeys(rows, labels);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CueRow& a, const CueRow& b) { return a.SortKey < b.SortKey; });
    CueMoves::layOut(show.cues, std::move(rows));

    const int newCurrentRow =
        currentCue.isEmpty() ? 0 : show.cues.findRowByCueNumber(currentCue.toInt());
    CueMoves::renumberReferences(show, [&counter] { counter.step(); });
    numberTimedStops(show, labels);
    show.state.ShowChanged = true;
    show.state.SortPending = false;
    counter.finish();
    return newCurrentRow == 0 ? 1 : newCurrentRow;
}

void CueSort::numberTimedStops(Show& show, const StopLabels& languageLabels) {
    const StopLabels labels = EditContext::usableLabels(languageLabels);
    int timedStops = 0;
    int resetStops = 0;
    for (int r = 1; r <= MaxCues; ++r) {
        QString& text = show.cues.row(r).TimeText;
        if (text.startsWith(labels.timedStop))
            text = labels.timedStop + QStringLiteral(" #") + QString::number(++timedStops);
        else if (text.startsWith(labels.resetStop))
            text = labels.resetStop + QStringLiteral(" #") + QString::number(++resetStops);
    }
}

} // namespace zyn
