#include "IconSet.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace zyn::IconSet {
namespace {

// Toolbar pictures are designed on a 24-unit square and scaled to each size.
constexpr qreal Grid = 24.0;

// The device-pixel sizes kept per icon: the four logical sizes, plus the
// doubles of 32 and 48 so that a high-density screen never gets a blurry
// upscale (16 and 24 double into 32 and 48).
constexpr int ToolSizes[] = {16, 24, 32, 48, 64, 96};
constexpr int MarkerSizes[] = {12, 16, 24, 32};
constexpr int AppSizes[] = {16, 24, 32, 48, 64, 128, 256};

namespace Colour {
const QColor Slate{0x2e, 0x3a, 0x4b};
const QColor Paper{0xff, 0xff, 0xff};
const QColor Metal{0xc9, 0xd2, 0xdc};
const QColor Blue{0x23, 0x74, 0xdb};
const QColor BlueLight{0xd4, 0xe5, 0xfa};
const QColor Green{0x2e, 0x9e, 0x5b};
const QColor GreenLight{0xcf, 0xef, 0xdb};
const QColor GreenDark{0x1d, 0x6e, 0x3f};
const QColor Red{0xd9, 0x3b, 0x3b};
const QColor RedDark{0x9e, 0x24, 0x24};
const QColor Orange{0xf0, 0x8a, 0x24};
const QColor GreyBlue{0x5f, 0x7e, 0x9e};
const QColor GreyBlueDark{0x3c, 0x56, 0x73};
const QColor Amber{0xf5, 0xb7, 0x3b};
const QColor AmberDark{0xdc, 0x93, 0x24};
const QColor Wood{0xf6, 0xdd, 0xb3};
const QColor Grey{0x9a, 0xa4, 0xb1};
const QColor GreyDark{0x6b, 0x76, 0x84};
} // namespace Colour

using Drawing = void (*)(QPainter&);

int devicePixels(const QPainter& p) {
    return p.device()->width();
}

QPen pen(const QColor& colour, qreal width = 2.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shape(QPainter& p, const QPainterPath& path, const QColor& fill,
           const QColor& line = Colour::Slate, qreal width = 2.0) {
    p.setPen(width > 0 ? pen(line, width) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath roundRect(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// Erases a margin around a symbol drawn over another so the two stay apart on
// any background, rather than painting a halo in a colour that suits only one.
void knockout(QPainter& p, const QPainterPath& path, qreal margin) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(pen(Qt::black, 2 * margin));
    p.setBrush(Qt::black);
    p.drawPath(path);
    p.restore();
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width = 2.0) {
    p.setPen(pen(colour, width));
    p.drawLine(a, b);
}

// A straight arrow with a filled head; the head ends exactly at `to`.
QPainterPath arrowPath(QPointF from, QPointF to, qreal head) {
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF base = to - u * head;
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(base);
    path.addPolygon(QPolygonF({to, base + n * head * 0.7, base - n * head * 0.7, to}));
    return path;
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 2.0,
           qreal head = 4.5, qreal margin = 0) {
    const QPointF u = (to - from) / std::hypot((to - from).x(), (to - from).y());
    // The round join of the head's outline reaches past its tip; pull the tip in.
    const QPointF tip = to - u * (width * 0.6);
    const QPainterPath path = arrowPath(from, tip, head);
    if (margin > 0)
        knockout(p, path, margin + width / 2);
    p.setPen(pen(colour, width));
    p.setBrush(colour);
    p.drawPath(path);
}

// A curved arrow along a circle, its head at the end of the sweep; a positive
// sweep turns counter-clockwise.
void turnArrow(QPainter& p, QPointF centre, qreal radius, qreal startDeg, qreal sweepDeg,
               const QColor& colour, qreal width, qreal head) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    // The arc stops short of the head so its round cap does not poke through.
    const qreal headDeg = qRadiansToDegrees(head / radius) * 0.6;
    arc.arcTo(box, startDeg, sweepDeg - headDeg);
    p.setPen(pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    const qreal end = qDegreesToRadians(startDeg + sweepDeg);
    // Qt's angles run counter-clockwise on screen, with y pointing down.
    const QPointF at = centre + QPointF(std::cos(end), -std::sin(end)) * radius;
    const qreal sign = sweepDeg > 0 ? 1.0 : -1.0;
    const QPointF tangent = QPointF(-std::sin(end), -std::cos(end)) * sign;
    const QPointF normal(-tangent.y(), tangent.x());
    const QPointF tip = at + tangent * head * 0.55;
    const QPointF back = at - tangent * head * 0.45;
    p.setPen(pen(colour, width * 0.6));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, back + normal * head * 0.65, back - normal * head * 0.65}));
}

// --- Recurring parts ------------------------------------------------------

// One page of the cue list: a sheet with rows.
void cueSheet(QPainter& p, const QRectF& r, int rows = 3) {
    shape(p, roundRect(r, 1.5), Colour::Paper);
    const qreal step = (r.height() - 4) / (rows + 1);
    for (int i = 1; i <= rows; ++i) {
        const qreal y = r.top() + 2 + step * i;
        line(p, {r.left() + 3, y}, {r.right() - 3, y}, Colour::Blue);
    }
}

// A document with a folded corner, for reports.
void document(QPainter& p, const QRectF& r) {
    const qreal fold = 4.5;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    shape(p, sheet, Colour::Paper);
    p.setPen(pen(Colour::Slate));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{r.right() - fold, r.top()},
                              {r.right() - fold, r.top() + fold},
                              {r.right(), r.top() + fold}}));
}

// One ignition channel: a square cell.
void cell(QPainter& p, const QRectF& r, const QColor& fill) {
    shape(p, roundRect(r, 2), fill);
}

// A round sign in a corner, cut free of what lies beneath it.
void badge(QPainter& p, QPointF centre, qreal radius, const QColor& fill, const QColor& rim) {
    knockout(p, circle(centre, radius), 1.5);
    shape(p, circle(centre, radius), fill, rim, 1.5);
}

void plusSign(QPainter& p, QPointF c, qreal arm, const QColor& colour) {
    line(p, {c.x() - arm, c.y()}, {c.x() + arm, c.y()}, colour);
    line(p, {c.x(), c.y() - arm}, {c.x(), c.y() + arm}, colour);
}

void cross(QPainter& p, QPointF c, qreal arm, const QColor& colour, qreal width) {
    line(p, {c.x() - arm, c.y() - arm}, {c.x() + arm, c.y() + arm}, colour, width);
    line(p, {c.x() - arm, c.y() + arm}, {c.x() + arm, c.y() - arm}, colour, width);
}

void clockFace(QPainter& p, QPointF c, qreal radius, qreal width, const QColor& hand) {
    shape(p, circle(c, radius), Colour::Paper, Colour::Slate, width);
    p.setPen(pen(Colour::Slate, width));
    p.drawLine(c, c - QPointF(0, radius * 0.62));
    p.setPen(pen(hand, width));
    p.drawLine(c, c + QPointF(radius * 0.5, radius * 0.2));
}

QPainterPath octagon(QPointF c, qreal radius) {
    QPolygonF points;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        points << c + QPointF(std::cos(a), std::sin(a)) * radius;
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

void stopSign(QPainter& p, QPointF c, qreal radius) {
    shape(p, octagon(c, radius), Colour::Red, Colour::RedDark, 1.5);
    p.setPen(pen(Colour::Paper, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(octagon(c, radius * 0.68));
}

// Digits as strokes in a box, so they look alike on every system and stay
// legible where a font would blur.
void digit(QPainter& p, int value, const QRectF& b, const QColor& colour, qreal width) {
    QPainterPath path;
    const qreal x = b.left(), y = b.top(), w = b.width(), h = b.height();
    switch (value) {
    case 1:
        path.moveTo(x + w * 0.2, y + h * 0.25);
        path.lineTo(x + w * 0.6, y);
        path.lineTo(x + w * 0.6, y + h);
        break;
    case 2: {
        const QRectF top(x, y, w, h * 0.6);
        path.arcMoveTo(top, 160);
        path.arcTo(top, 160, -190);
        path.lineTo(x, y + h);
        path.lineTo(x + w, y + h);
        break;
    }
    default: {
        const QRectF top(x + w * 0.1, y, w * 0.85, h * 0.5);
        const QRectF bottom(x, y + h * 0.5, w, h * 0.5);
        path.arcMoveTo(top, 150);
        path.arcTo(top, 150, -240);
        path.arcTo(bottom, 90, -250);
        break;
    }
    }
    p.setPen(pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void questionMark(QPainter& p, QPointF top, qreal size, const QColor& colour, qreal width) {
    const qreal r = size * 0.27;
    const QRectF hook(top.x() - r, top.y(), 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(hook, 165);
    path.arcTo(hook, 165, -255);
    path.lineTo(top.x(), top.y() + size * 0.7);
    p.setPen(pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(top.x(), top.y() + size * 0.97), width * 0.65, width * 0.65);
}

// --- General ---------------------------------------------------------------

void drawSave(QPainter& p) {
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(17, 3);
    body.lineTo(21, 7);
    body.lineTo(21, 21);
    body.lineTo(3, 21);
    body.closeSubpath();
    shape(p, body, Colour::GreyBlue);
    shape(p, roundRect({7, 3, 9, 6}, 0.5), Colour::Metal);
    line(p, {13, 5}, {13, 7}, Colour::Slate, 1.5);
    shape(p, roundRect({6.5, 12.5, 11, 8.5}, 0.5), Colour::Paper);
}

void drawOpen(QPainter& p) {
    shape(p, polygon({{3, 4.5}, {9, 4.5}, {11, 7}, {19, 7}, {19, 19.5}, {3, 19.5}}),
          Colour::AmberDark);
    shape(p, polygon({{3, 19.5}, {6.5, 11}, {22, 11}, {18.5, 19.5}}), Colour::Amber);
}

void drawEdit(QPainter& p) {
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    shape(p, polygon({{-5, -3.2}, {7, -3.2}, {7, 3.2}, {-5, 3.2}}), Colour::Amber);
    shape(p, roundRect({7, -3.2, 3.5, 6.4}, 1), Colour::Red);
    shape(p, polygon({{-5, -3.2}, {-11, 0}, {-5, 3.2}}), Colour::Wood);
    p.setPen(pen(Colour::Slate, 1));
    p.setBrush(Colour::Slate);
    p.drawPolygon(QPolygonF({{-11, 0}, {-8.6, -1.3}, {-8.6, 1.3}}));
    p.restore();
}

void drawRestore(QPainter& p) {
    turnArrow(p, {12.5, 13}, 7, -60, 240, Colour::AmberDark, 2.6, 6.5);
}

void drawCancel(QPainter& p) {
    shape(p, circle({12, 12}, 9.5), Colour::Red, Colour::RedDark, 1.5);
    cross(p, {12, 12}, 4, Colour::Paper, 2.5);
}

void checkMark(QPainter& p, const QPolygonF& stroke, const QColor& colour, qreal width) {
    p.setPen(pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(stroke);
}

void drawOk(QPainter& p) {
    const QPolygonF stroke({{4.5, 12.5}, {9.5, 17.5}, {19.5, 6.5}});
    checkMark(p, stroke, Colour::GreenDark, 5);
    checkMark(p, stroke, Colour::Green, 2.6);
}

void drawCommOk(QPainter& p) {
    shape(p, roundRect({2.5, 4.5, 19, 15}, 4), Colour::Green, Colour::GreenDark, 1.5);
    checkMark(p, {{7.5, 12}, {10.5, 15}, {16.5, 8.5}}, Colour::Paper, 2.5);
}

void drawCommError(QPainter& p) {
    shape(p, roundRect({2.5, 4.5, 19, 15}, 4), Colour::Red, Colour::RedDark, 1.5);
    line(p, {12, 8}, {12, 12.5}, Colour::Paper, 2.5);
    line(p, {12, 16}, {12, 16.2}, Colour::Paper, 2.6);
}

// A chip card: the card with its gold contact field, written to by an arrow.
void drawChipCard(QPainter& p) {
    shape(p, roundRect({2, 5, 20, 14}, 2.5), Colour::BlueLight);
    shape(p, roundRect({5, 9, 6.5, 6}, 1), Colour::Amber, Colour::AmberDark, 1.2);
    line(p, {8.25, 9}, {8.25, 15}, Colour::AmberDark, 1);
    line(p, {5, 12}, {11.5, 12}, Colour::AmberDark, 1);
    line(p, {14, 10}, {19, 10}, Colour::Slate, 1.5);
    line(p, {14, 13.5}, {18, 13.5}, Colour::Slate, 1.5);
}

// --- Cue operations -----------------------------------------------------

void drawCuePaste(QPainter& p) {
    cueSheet(p, {3, 2, 14, 18});
    badge(p, {17, 17}, 5.5, Colour::Blue, Colour::Blue);
    plusSign(p, {17, 17}, 2.8, Colour::Paper);
}

void drawCueCopy(QPainter& p) {
    shape(p, roundRect({3, 2, 11, 14}, 1.5), Colour::BlueLight);
    cueSheet(p, {9, 8, 12, 14}, 2);
}

void drawCueTausch(QPainter& p) {
    shape(p, roundRect({5, 2, 14, 20}, 1.5), Colour::Paper);
    arrow(p, {3, 8.5}, {22, 8.5}, Colour::Blue, 2.2, 5, 1.2);
    arrow(p, {21, 15.5}, {2, 15.5}, Colour::Blue, 2.2, 5, 1.2);
}

void drawCueDelete(QPainter& p) {
    cueSheet(p, {3, 2, 14, 18});
    badge(p, {17, 17}, 5.5, Colour::Red, Colour::RedDark);
    line(p, {14.2, 17}, {19.8, 17}, Colour::Paper);
}

// Three stacked digits are a blur at 16 pixels; two larger ones still read.
void drawRenumber(QPainter& p) {
    if (devicePixels(p) <= 16) {
        digit(p, 1, {3, 2, 6.5, 8}, Colour::Slate, 2.2);
        digit(p, 2, {3, 14, 6.5, 8}, Colour::Slate, 2.2);
    } else {
        digit(p, 1, {3.5, 1.5, 5.5, 6}, Colour::Slate, 1.7);
        digit(p, 2, {3.5, 9, 5.5, 6}, Colour::Slate, 1.7);
        digit(p, 3, {3.5, 16.5, 5.5, 6}, Colour::Slate, 1.7);
    }
    arrow(p, {16.5, 2.5}, {16.5, 22}, Colour::Blue, 2.4, 5.5);
}

void drawClock(QPainter& p) {
    const QPointF c(12, 12);
    shape(p, circle(c, 9.5), Colour::Paper);
    for (int i = 0; i < 4; ++i) {
        const qreal a = qDegreesToRadians(90.0 * i);
        const QPointF dir(std::cos(a), std::sin(a));
        line(p, c + dir * 7, c + dir * 8, Colour::GreyBlue, 1.5);
    }
    line(p, c, c - QPointF(0, 6), Colour::Slate);
    line(p, c, c + QPointF(4.5, 2), Colour::Blue);
}

// --- Channel operations -------------------------------------------------

void drawIcPutCue(QPainter& p) {
    shape(p, roundRect({9, 9, 12, 12}, 2), Colour::GreenLight);
    shape(p, roundRect({9, 9, 6, 6}, 2), Colour::Green);
    line(p, {15, 10}, {15, 20}, Colour::Slate, 1.5);
    line(p, {10, 15}, {20, 15}, Colour::Slate, 1.5);
    arrow(p, {2.5, 2.5}, {13, 13}, Colour::Blue, 2.2, 5, 1.2);
}

void drawIcCopy(QPainter& p) {
    cell(p, {3, 3, 11, 11}, Colour::GreenLight);
    cell(p, {10, 10, 11, 11}, Colour::Green);
}

void drawIcTausch(QPainter& p) {
    cell(p, {5, 5, 14, 14}, Colour::GreenLight);
    arrow(p, {2.5, 8.5}, {22, 8.5}, Colour::GreenDark, 2.2, 5, 1.2);
    arrow(p, {21.5, 15.5}, {2, 15.5}, Colour::GreenDark, 2.2, 5, 1.2);
}

void drawIcDelete(QPainter& p) {
    cell(p, {3, 3, 15, 15}, Colour::Green);
    badge(p, {17, 17}, 5.5, Colour::Red, Colour::RedDark);
    cross(p, {17, 17}, 2.3, Colour::Paper, 2);
}

// --- Stops ------------------------------------------------------------------

void drawStop(QPainter& p) {
    stopSign(p, {12, 12}, 10.5);
}

void drawStopTime(QPainter& p) {
    stopSign(p, {10, 10}, 9);
    knockout(p, circle({16.5, 16.5}, 7), 1.5);
    clockFace(p, {16.5, 16.5}, 6.2, 1.6, Colour::Slate);
}

void drawStopTimeReset(QPainter& p) {
    stopSign(p, {10, 10}, 9);
    badge(p, {16.5, 16.5}, 6.7, Colour::Orange, Colour::Orange);
    turnArrow(p, {16.5, 16.5}, 3.6, -30, 250, Colour::Paper, 1.6, 3.6);
}

// --- Reports ----------------------------------------------------------------

void drawPrinting(QPainter& p) {
    shape(p, roundRect({6.5, 2.5, 11, 8}, 0.5), Colour::Paper);
    shape(p, roundRect({2.5, 8.5, 19, 10}, 2), Colour::GreyBlue);
    shape(p, roundRect({6.5, 14.5, 11, 7}, 0.5), Colour::Paper);
    line(p, {9, 17.5}, {15, 17.5}, Colour::GreyBlue, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Metal);
    p.drawEllipse(QPointF(18, 11.5), 1, 1);
}

void drawImport(QPainter& p) {
    document(p, {8, 2.5, 13, 19});
    line(p, {14.5, 7.5}, {18, 7.5}, Colour::Blue, 1.5);
    line(p, {14.5, 17}, {18, 17}, Colour::Blue, 1.5);
    arrow(p, {1.5, 12.5}, {15, 12.5}, Colour::Blue, 2.4, 5.5, 1.2);
}

void drawExport(QPainter& p) {
    document(p, {3, 2.5, 13, 19});
    line(p, {6.5, 7.5}, {10, 7.5}, Colour::GreyBlue, 1.5);
    line(p, {6.5, 17}, {10, 17}, Colour::GreyBlue, 1.5);
    arrow(p, {8.5, 12.5}, {22.5, 12.5}, Colour::GreyBlue, 2.4, 5.5, 1.2);
}

QPainterPath pageTriangle(bool forward, qreal tipX) {
    const qreal baseX = forward ? tipX - 9 : tipX + 9;
    return polygon({{tipX, 12}, {baseX, 4.5}, {baseX, 19.5}});
}

void pageBar(QPainter& p, qreal x) {
    shape(p, roundRect({x, 4.5, 2.5, 15}, 0.5), Colour::GreyBlue, Colour::GreyBlueDark, 1.5);
}

void pageArrow(QPainter& p, bool forward, qreal tipX) {
    shape(p, pageTriangle(forward, tipX), Colour::GreyBlue, Colour::GreyBlueDark, 1.5);
}

void drawPageFirst(QPainter& p) {
    pageBar(p, 4.5);
    pageArrow(p, false, 9.5);
}

void drawPagePrevious(QPainter& p) {
    pageArrow(p, false, 7);
}

void drawPageNext(QPainter& p) {
    pageArrow(p, true, 17);
}

void drawPageLast(QPainter& p) {
    pageBar(p, 17);
    pageArrow(p, true, 14.5);
}

// --- Others -------------------------------------------------------------

void drawUnknown(QPainter& p) {
    shape(p, roundRect({3, 3, 18, 18}, 4), Colour::Grey, Colour::GreyDark, 1.5);
    questionMark(p, {12, 6.5}, 11, Colour::Paper, 2.2);
}

// The marker is drawn on a 16-unit square: it sits in a narrow grid header.
void drawRowMarker(QPainter& p) {
    p.setPen(pen(Colour::Slate, 1.5));
    p.setBrush(Colour::Slate);
    p.drawPolygon(QPolygonF({{5.5, 3.5}, {12, 8}, {5.5, 12.5}}));
}

// Drawn on a 64-unit square; with fewer, bolder rays below 32 pixels so the
// burst does not turn into a smudge.
void drawApplication(QPainter& p, int px) {
    const bool small = px < 32;
    shape(p, roundRect({2, 2, 60, 60}, 13), QColor(0x1f, 0x25, 0x32), Colour::Slate, 0);

    const QPointF centre(32, 32);
    const QColor colours[] = {QColor(0xff, 0xd4, 0x4a), QColor(0xff, 0x93, 0x2e),
                              QColor(0xff, 0x5a, 0x3c)};
    const int rays = small ? 8 : 12;
    const qreal width = std::max(3.5, 1.6 * 64 / px);
    for (int i = 0; i < rays; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 360.0 * i / rays);
        const QPointF dir(std::cos(a), std::sin(a));
        const bool longRay = i % 2 == 0;
        // Short rays at this size would read as a cross over a smudge.
        const qreal outer = longRay || small ? 21 : 15;
        const QColor& colour = colours[longRay ? (i / 2) % 2 : 2];
        line(p, centre + dir * 7.5, centre + dir * outer, colour, width);
        if (!small) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(centre + dir * (outer + 4.5), 2, 2);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf3, 0xc4));
    p.drawEllipse(centre, small ? 5.0 : 4.0, small ? 5.0 : 4.0);
}

// --- Assembly ---------------------------------------------------------------

struct Entry {
    const char* key;
    Drawing draw;
};

constexpr Entry Entries[] = {
    {"SAVE", drawSave},
    {"OPEN", drawOpen},
    {"EDIT", drawEdit},
    {"RESTORE", drawRestore},
    {"CANCEL", drawCancel},
    {"OK", drawOk},
    {"COMMOK", drawCommOk},
    {"COMMERROR", drawCommError},
    {"PCMKarte", drawChipCard},
    {"IMPORT", drawImport},
    {"CUE_PASTE", drawCuePaste},
    {"CUE_COPY", drawCueCopy},
    {"CUE_TAUSCH", drawCueTausch},
    {"CUE_DELETE", drawCueDelete},
    {"RENUMBER", drawRenumber},
    {"CLOCK", drawClock},
    {"IC_PUTCUE", drawIcPutCue},
    {"IC_COPY", drawIcCopy},
    {"IC_TAUSCH", drawIcTausch},
    {"IC_DELETE", drawIcDelete},
    {"STOP", drawStop},
    {"STOPTIME", drawStopTime},
    {"STOPTIMERESET", drawStopTimeReset},
    {"Printing", drawPrinting},
    {"EXPORT", drawExport},
    {"SEITEANFANG", drawPageFirst},
    {"SEITEVOR", drawPagePrevious},
    {"SEITEWEITER", drawPageNext},
    {"SEITEENDE", drawPageLast},
};

template<typename Paint> QPixmap render(int px, qreal grid, Paint&& paint) {
    QImage image(px, px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(px / grid, px / grid);
    paint(p);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

template<size_t N, typename Paint> QIcon build(const int (&sizes)[N], qreal grid, Paint&& paint) {
    QIcon icon;
    for (int px : sizes)
        icon.addPixmap(render(px, grid, [&](QPainter& p) { paint(p, px); }));
    return icon;
}

QIcon buildToolIcon(Drawing draw) {
    return build(ToolSizes, Grid, [draw](QPainter& p, int) { draw(p); });
}

// Never destroyed, so that clearing it when the application object goes is
// safe whichever of the two outlives the other at exit.
QHash<QString, QIcon>& cache() {
    static auto* icons = new QHash<QString, QIcon>;
    return *icons;
}

// Icons hold pixmaps, which must go before the application object does; a
// later application object starts with an empty cache.
void dropCache() {
    cache().clear();
}

template<typename Build> QIcon cached(const QString& key, Build&& make) {
    QHash<QString, QIcon>& icons = cache();
    auto found = icons.constFind(key);
    if (found == icons.constEnd()) {
        if (icons.isEmpty())
            qAddPostRoutine(dropCache);
        found = icons.insert(key, make());
    }
    return *found;
}

// Cache keys of the pictures without an image key; none can clash with one.
const QString UnknownKey = QStringLiteral("\x01unknown");
const QString MarkerKey = QStringLiteral("\x01marker");
const QString ApplicationKey = QStringLiteral("\x01application");

} // namespace

QIcon icon(const QString& imageKey) {
    for (const Entry& entry : Entries) {
        if (imageKey == QLatin1StringView(entry.key))
            return cached(imageKey, [&] { return buildToolIcon(entry.draw); });
    }
    return cached(UnknownKey, [] { return buildToolIcon(drawUnknown); });
}

QStringList keys() {
    QStringList all;
    for (const Entry& entry : Entries)
        all << QString::fromLatin1(entry.key);
    return all;
}

QIcon rowMarker() {
    return cached(MarkerKey, [] {
        return build(MarkerSizes, 16.0, [](QPainter& p, int) { drawRowMarker(p); });
    });
}

QIcon applicationIcon() {
    return cached(ApplicationKey, [] {
        return build(AppSizes, 64.0, [](QPainter& p, int px) { drawApplication(p, px); });
    });
}

} // namespace zyn::IconSet
