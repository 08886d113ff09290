#include "TimelineSplitter.h"

#include "TimelinePane.h"
#include "document/CommandId.h"
#include "document/ShowDocument.h"
#include "settings/TimelineSettings.h"

#include <QTimer>

namespace zyn {

namespace {

constexpr int SaveDelay = 500; // ms after the splitter stopped moving

} // namespace

TimelineSplitter::TimelineSplitter(ShowDocument& document, QWidget* grids, TimelinePane* pane,
                                   QWidget* parent)
    : QSplitter(Qt::Vertical, parent), m_document(document), m_pane(pane) {
    setObjectName(QStringLiteral("timelineSplitter"));
    setChildrenCollapsible(false);
    addWidget(grids);
    addWidget(pane);
    setStretchFactor(0, 1);
    setStretchFactor(1, 0);
    const TimelineSettings settings = TimelineSettings::read(m_document.home.checkSettingsPath());
    m_height = settings.height;
    m_shown = settings.shown;
    m_pane->setVisible(m_shown);
    m_document.setCommandChecked(CommandId::Timeline, true, m_shown);

    m_saveTimer = new QTimer(this);
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(SaveDelay);
    connect(m_saveTimer, &QTimer::timeout, this, &TimelineSplitter::save);
    connect(this, &QSplitter::splitterMoved, this, [this] {
        m_height = m_pane->height();
        m_saveTimer->start();
    });
}

TimelineSplitter::~TimelineSplitter() {
    // A height dragged just before the window closed is kept too.
    if (m_saveTimer->isActive())
        save();
}

void TimelineSplitter::showEvent(QShowEvent* event) {
    QSplitter::showEvent(event);
    if (!m_heightApplied && m_shown)
        applyHeight();
}

void TimelineSplitter::applyHeight() {
    m_heightApplied = true;
    const int total = std::max(height(), m_height + 2 * TimelineSettings::MinHeight);
    setSizes({total - m_height, m_height});
}

void TimelineSplitter::setTimelineShown(bool shown) {
    if (shown == m_shown)
        return;
    if (!shown)
        m_height = m_pane->height();
    m_shown = shown;
    m_pane->setVisible(shown);
    if (shown)
        applyHeight();
    m_document.setCommandChecked(CommandId::Timeline, true, shown);
    save();
}

void TimelineSplitter::save() {
    m_saveTimer->stop();
    TimelineSettings settings;
    settings.shown = m_shown;
    settings.height =
        std::clamp(m_height, TimelineSettings::MinHeight, TimelineSettings::MaxHeight);
    // Where the layout cannot be kept it is merely forgotten: no message.
    (void)settings.save(m_document.home.checkSettingsPath());
}

} // namespace zyn
