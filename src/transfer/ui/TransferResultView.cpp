#include "TransferResultView.h"

#include "ui/IconSet.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QTimer>

namespace zyn {

TransferResultView::TransferResultView(QWidget* parent) : QWidget(parent) {
    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("Image_COM"));
    m_image->setFixedSize(IconSize, IconSize);
    m_text = new QLabel;
    m_text->setObjectName(QStringLiteral("lbl_Desc"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumHeight(IconSize);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont strong = m_text->font();
    strong.setBold(true);
    m_text->setFont(strong);
    m_detail = new QLabel;
    m_detail->setObjectName(QStringLiteral("lbl_Detail"));
    m_detail->setWordWrap(true);
    m_detail->setTextFormat(Qt::PlainText);
    m_detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_refusals = new QListWidget;
    m_refusals->setObjectName(QStringLiteral("lst_Refusals"));
    m_refusals->setWordWrap(true);
    m_refusals->setTextElideMode(Qt::ElideNone);
    m_refusals->setAlternatingRowColors(true);
    m_refusals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_refusals->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_image, 0, 0, Qt::AlignTop);
    layout->addWidget(m_text, 0, 1);
    layout->addWidget(m_detail, 1, 1);
    layout->addWidget(m_refusals, 2, 1);
    layout->setColumnStretch(1, 1);
    setMinimumHeight(IconSize);
    clear();
}

void TransferResultView::clear() {
    m_image->clear();
    m_text->clear();
    m_detail->clear();
    m_detail->hide();
    m_refusals->clear();
    m_refusals->hide();
}

void TransferResultView::showOutcome(bool succeeded, const QString& text, const QString& detail) {
    const QString key = succeeded ? QStringLiteral("COMMOK") : QStringLiteral("COMMERROR");
    m_image->setPixmap(IconSet::icon(key).pixmap(IconSize));
    m_text->setText(text);
    m_detail->setText(detail);
    m_detail->setVisible(!detail.isEmpty());
    m_refusals->clear();
    m_refusals->hide();
    // The labels' new heights reach the window's layout with its next
    // layout pass, so the window is measured after that.
    QTimer::singleShot(0, this, &TransferResultView::growWindowToFit);
}

void TransferResultView::showRefused(const QString& text, const QStringList& places) {
    showOutcome(false, text);
    m_refusals->addItems(places);
    m_refusals->setVisible(!places.isEmpty());
}

void TransferResultView::growWindowToFit() {
    QWidget* owner = window();
    QLayout* layout = owner->layout();
    if (!layout)
        return;
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(owner->width())
                                                   : layout->totalSizeHint().height();
    if (needed > owner->height())
        owner->resize(owner->width(), needed);
}

} // namespace zyn
