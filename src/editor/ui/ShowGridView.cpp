#include "ShowGridView.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>

namespace zyn {

ShowGridView::ShowGridView(const QString& name, QWidget* parent)
    : QTableView(parent), m_corner(new QLabel(this)) {
    setObjectName(name);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_corner->setAlignment(Qt::AlignCenter);
    m_corner->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShowGridView::setCornerText(const QString& text) {
    m_corner->setText(text);
}

QString ShowGridView::cornerText() const {
    return m_corner->text();
}

void ShowGridView::setFrozen(bool frozen) {
    m_frozen = frozen;
    const Qt::ScrollBarPolicy policy = frozen ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

void ShowGridView::updateGeometries() {
    QTableView::updateGeometries();
    const int frame = frameWidth();
    m_corner->setGeometry(frame, frame, verticalHeader()->width(), horizontalHeader()->height());
    m_corner->raise();
}

bool ShowGridView::viewportEvent(QEvent* event) {
    if (m_frozen && event->type() == QEvent::Wheel)
        return true;
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        emit rightButtonReleased();
        return true;
    }
    return QTableView::viewportEvent(event);
}

} // namespace zyn
