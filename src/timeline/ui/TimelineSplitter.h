#pragma once

#include <QSplitter>

class QTimer;

namespace zyn {

class ShowDocument;
class TimelinePane;

// The editor's grids above, the timeline pane below. Whether the pane is
// shown and how high it is are kept in the companion settings file, so the
// editor opens the next time as it was left.
class TimelineSplitter : public QSplitter {
    Q_OBJECT

public:
    TimelineSplitter(ShowDocument& document, QWidget* grids, TimelinePane* pane,
                     QWidget* parent = nullptr);
    ~TimelineSplitter() override;

    bool timelineShown() const { return m_shown; }
    void setTimelineShown(bool shown);
    void toggleTimeline() { setTimelineShown(!m_shown); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void save();
    void applyHeight();

    ShowDocument& m_document;
    TimelinePane* m_pane;
    QTimer* m_saveTimer;
    bool m_shown = true;
    int m_height = 0;
    bool m_heightApplied = false;
};

} // namespace zyn
