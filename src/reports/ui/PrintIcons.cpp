#include "PrintIcons.h"

#include "ui/IconSet.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace zyn::PrintIcons {

namespace {

constexpr qreal Grid = 24.0;
constexpr int Sizes[] = {16, 24, 32, 48};

const QColor Slate{0x2e, 0x3a, 0x4b};
const QColor Paper{0xff, 0xff, 0xff};
const QColor Blue{0x23, 0x74, 0xdb};
const QColor BlueLight{0xd4, 0xe5, 0xfa};
const QColor Red{0xd9, 0x3b, 0x3b};
const QColor GreyBlue{0x5f, 0x7e, 0x9e};

QPen pen(const QColor& colour, qreal width = 1.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

template<typename Paint> QIcon drawn(Paint&& paint) {
    QIcon icon;
    for (const int px : Sizes) {
        QImage image(px, px, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(px / Grid, px / Grid);
        paint(p, px);
        p.end();
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

// The printer of the toolbar with a small badge in its lower right corner,
// cut free so that the badge reads on the printer's body.
QIcon withBadge(void (*badge)(QPainter&)) {
    const QIcon base = IconSet::icon(QStringLiteral("Printing"));
    return drawn([&](QPainter& p, int px) {
        p.save();
        p.resetTransform();
        p.drawPixmap(0, 0, base.pixmap(px, px));
        p.restore();
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(17.5, 17.5), 7, 7);
        p.restore();
        badge(p);
    });
}

void networkBadge(QPainter& p) {
    p.setPen(pen(Blue));
    p.setBrush(BlueLight);
    p.drawEllipse(QPointF(17.5, 17.5), 5.5, 5.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(15, 12, 5, 11));
    p.drawLine(QPointF(12, 17.5), QPointF(23, 17.5));
}

void faxBadge(QPainter& p) {
    // A telephone handset.
    QPainterPath handset;
    handset.moveTo(12.5, 15);
    handset.cubicTo(12.5, 12, 22.5, 12, 22.5, 15);
    handset.lineTo(22.5, 17);
    handset.lineTo(19.5, 17);
    handset.lineTo(19, 15.5);
    handset.lineTo(16, 15.5);
    handset.lineTo(15.5, 17);
    handset.lineTo(12.5, 17);
    handset.closeSubpath();
    p.setPen(pen(Slate, 1.2));
    p.setBrush(Red);
    p.drawPath(handset);
    p.setBrush(Slate);
    p.drawRoundedRect(QRectF(14, 18.5, 7, 4), 1, 1);
}

} // namespace

QIcon printer(PrinterEntry::Kind kind) {
    switch (kind) {
    case PrinterEntry::Kind::Network:
        return withBadge(networkBadge);
    case PrinterEntry::Kind::Fax:
        return withBadge(faxBadge);
    case PrinterEntry::Kind::Printer:
        break;
    }
    return IconSet::icon(QStringLiteral("Printing"));
}

QIcon pdfFile() {
    return drawn([](QPainter& p, int) {
        QPainterPath sheet;
        sheet.moveTo(4.5, 2.5);
        sheet.lineTo(14.5, 2.5);
        sheet.lineTo(19.5, 7.5);
        sheet.lineTo(19.5, 21.5);
        sheet.lineTo(4.5, 21.5);
        sheet.closeSubpath();
        p.setPen(pen(Slate));
        p.setBrush(Paper);
        p.drawPath(sheet);
        p.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}));
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawRoundedRect(QRectF(1.5, 11, 15, 7.5), 1.2, 1.2);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(6);
        p.setFont(font);
        p.setPen(Paper);
        p.drawText(QRectF(1.5, 11, 15, 7.5), Qt::AlignCenter, QStringLiteral("PDF"));
    });
}

QPixmap orientation(bool portrait, int height) {
    const QSizeF sheet = portrait ? QSizeF(0.72, 1.0) : QSizeF(1.0, 0.72);
    const int width = height;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = height * 0.9;
    const QRectF page((width - sheet.width() * scale) / 2, (height - sheet.height() * scale) / 2,
                      sheet.width() * scale, sheet.height() * scale);
    p.setPen(pen(Slate, 1.5));
    p.setBrush(Paper);
    p.drawRect(page);
    p.setPen(pen(GreyBlue, 1));
    for (int line = 1; line <= 3; ++line) {
        const qreal y = page.bottom() - page.height() * 0.08 * line;
        p.drawLine(QPointF(page.left() + page.width() * 0.12, y),
                   QPointF(page.right() - page.width() * 0.12, y));
    }
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(8, int(page.height() * 0.55)));
    p.setFont(font);
    p.setPen(Blue);
    p.drawText(page.adjusted(0, 0, 0, -page.height() * 0.25), Qt::AlignCenter, QStringLiteral("A"));
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace zyn::PrintIcons
