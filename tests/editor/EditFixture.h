#pragma once

#include "editor/EditContext.h"
#include "fakes/QtPrinters.h"
#include "fakes/ScriptedPrompter.h"
#include "settings/TextId.h"
#include "show/Show.h"

#include <gtest/gtest.h>

namespace zyn::test {

inline const QString StopLabel = QStringLiteral("MANUAL STOP");
inline const QString TimedStopLabel = QStringLiteral("TIMED STOP");
inline const QString ResetStopLabel = QStringLiteral("RESET STOP");

// Every text reads "T" and its number, so a composed message shows which
// texts went into it; the stop labels read like real ones.
inline LanguageTexts numberedTexts() {
    QStringList texts;
    for (int n = 0; n < TextId::Bound; ++n)
        texts.append(QStringLiteral("T%1").arg(n));
    texts[TextId::StopLabel] = StopLabel;
    texts[TextId::TimedStopLabel] = TimedStopLabel;
    texts[TextId::ResetStopLabel] = ResetStopLabel;
    return LanguageTexts(texts);
}

// A time-coded show with the editing context around it. Questions fail the
// test unless a case scripts their answers.
class EditFixture : public ::testing::Test {
protected:
    EditFixture() { m_show.clearForTimeCodedShow(); }

    // Rows 1, 2, ... get these times and the descriptions "c1", "c2", ...
    void setTimes(const QStringList& times) {
        int r = 1;
        for (const QString& time : times) {
            m_show.cues.row(r).TimeText = time;
            m_show.cues.row(r).Description = QStringLiteral("c%1").arg(r);
            ++r;
        }
    }
    // The times of rows 1..count.
    QStringList times(int count) const {
        QStringList list;
        for (int r = 1; r <= count; ++r)
            list.append(m_show.cues.row(r).TimeText);
        return list;
    }
    QStringList descriptions(int count) const {
        QStringList list;
        for (int r = 1; r <= count; ++r)
            list.append(m_show.cues.row(r).Description);
        return list;
    }
    // Channels 1..n of slave 1.
    void setChannels(std::initializer_list<const char*> cells) {
        int c = 1;
        for (const char* cell : cells)
            m_show.ics.cell(1, c++) = QString::fromUtf8(cell);
    }
    QStringList channels(int count) const {
        QStringList list;
        for (int c = 1; c <= count; ++c)
            list.append(m_show.ics.cell(1, c));
        return list;
    }
    // Row r keeps CueNumber r everywhere outside a sort.
    void expectCueNumbersMatchRows() const {
        for (int r = 1; r <= MaxCues; ++r)
            ASSERT_EQ(m_show.cues.row(r).CueNumber, QString::number(r));
    }
    QStringList questions() const { return boxes(ScriptedPrompter::Kind::Question); }
    QStringList warnings() const { return boxes(ScriptedPrompter::Kind::Warning); }

    Show m_show;
    LanguageTexts m_texts = numberedTexts();
    Settings m_settings;
    ScriptedPrompter m_prompter;
    EditContext m_context{m_show, m_texts, m_settings, m_prompter};

private:
    QStringList boxes(ScriptedPrompter::Kind kind) const {
        QStringList list;
        for (const ScriptedPrompter::Box& box : m_prompter.shown()) {
            if (box.kind == kind)
                list.append(box.text);
        }
        return list;
    }
};

} // namespace zyn::test
