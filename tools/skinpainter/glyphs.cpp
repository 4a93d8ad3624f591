#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

constexpr double kGrid = 24.0;

QPen Stroke(const QColor& c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Angles count counter-clockwise from three o'clock, as QPainterPath's do.
QPointF Polar(QPointF c, double r, double deg)
{
    const double a = deg * std::numbers::pi / 180.0;
    return c + QPointF(r * std::cos(a), -r * std::sin(a));
}

void ArcArrow(QPainter& p, const QColor& ink, double r, double start, double sweep, double w)
{
    const QPointF c(12, 12);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    p.strokePath(arc, Stroke(ink, w));
    const double a = (start + sweep) * std::numbers::pi / 180.0;
    const double sign = sweep < 0 ? -1.0 : 1.0;
    const QPointF d(-std::sin(a) * sign, -std::cos(a) * sign); // direction of travel
    const QPointF n(-d.y(), d.x());
    const QPointF end = Polar(c, r, start + sweep);
    const double h = w * 1.45;
    p.setPen(Stroke(ink, w * 0.6));
    p.setBrush(ink);
    p.drawPolygon(QPolygonF{end + d * h * 1.1, end + n * h, end - n * h});
}

void Gear(QPainter& p, const QColor& ink)
{
    QPainterPath gear;
    gear.addEllipse(QPointF(12, 12), 7, 7);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2, -10.5, 4, 6), 1, 1);
        QTransform t;
        t.translate(12, 12);
        t.rotate(i * 45.0);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3, 3);
    p.fillPath(gear.subtracted(hole), ink);
}

void Chip(QPainter& p, const QColor& ink)
{
    p.setPen(Stroke(ink, 2));
    p.drawRoundedRect(QRectF(6, 6, 12, 12), 1.5, 1.5);
    p.fillRect(QRectF(9.5, 9.5, 5, 5), ink);
    p.setPen(Stroke(ink, 1.7));
    for (double v : {9.0, 12.0, 15.0}) {
        p.drawLine(QPointF(v, 5), QPointF(v, 2.5));
        p.drawLine(QPointF(v, 19), QPointF(v, 21.5));
        p.drawLine(QPointF(5, v), QPointF(2.5, v));
        p.drawLine(QPointF(19, v), QPointF(21.5, v));
    }
}

void Battery(QPainter& p, const QColor& ink)
{
    p.setPen(Stroke(ink, 2));
    p.drawRoundedRect(QRectF(2, 7, 17, 10), 2, 2);
    p.fillRect(QRectF(20, 10, 2.2, 4), ink);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(4.5 + i * 4.35, 9.5, 3.35, 5), ink);
}

void Sun(QPainter& p, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(12, 12), 4.6, 4.6);
    p.setPen(Stroke(ink, 2));
    for (int i = 0; i < 8; ++i)
        p.drawLine(Polar({12, 12}, 7.4, i * 45.0), Polar({12, 12}, 10, i * 45.0));
}

void Folder(QPainter& p, const QColor& ink)
{
    QPainterPath back;
    back.moveTo(3, 18.5);
    back.lineTo(3, 5.5);
    back.lineTo(9.5, 5.5);
    back.lineTo(11.5, 8);
    back.lineTo(20, 8);
    back.lineTo(20, 10);
    p.strokePath(back, Stroke(ink, 2));
    // The front flap leans forward, so the folder reads as open.
    QPainterPath front;
    front.moveTo(3, 19);
    front.lineTo(6, 11);
    front.lineTo(22, 11);
    front.lineTo(19, 19);
    front.closeSubpath();
    p.fillPath(front, ink);
    p.strokePath(front, Stroke(ink, 1.5));
}

// A program's window: a frame with its title bar filled in and two lines
// of content. Edges fall on whole pixels at 16 × 16.
void Program(QPainter& p, const QColor& ink)
{
    QPainterPath frame;
    frame.addRect(QRectF(1.5, 3, 21, 18));
    frame.addRect(QRectF(3, 7.5, 18, 12));
    p.fillPath(frame, ink);
    p.fillRect(QRectF(4.5, 10.5, 9, 1.5), ink);
    p.fillRect(QRectF(4.5, 15, 13.5, 1.5), ink);
}

void Pin(QPainter& p, const QColor& ink)
{
    p.setPen(Stroke(ink, 1.4));
    p.setBrush(ink);
    p.drawPolygon(QPolygonF{{8.5, 2.5}, {15.5, 2.5}, {14.5, 10}, {18, 13.5}, {6, 13.5}, {9.5, 10}});
    p.setPen(Stroke(ink, 2));
    p.drawLine(QPointF(12, 14), QPointF(12, 21.5));
}

} // namespace

void DrawGlyph(QPainter& p, Glyph g, const QRectF& box, const QColor& ink)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / kGrid, box.height() / kGrid);
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(ink, 2));
    switch (g) {
    case Glyph::Battery:
        Battery(p, ink);
        break;
    case Glyph::CoinCell:
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.setPen(Stroke(ink, 1.2));
        p.drawEllipse(QPointF(12, 12), 6, 6);
        p.setPen(Stroke(ink, 2));
        p.drawLine(QPointF(12, 9.5), QPointF(12, 14.5));
        p.drawLine(QPointF(9.5, 12), QPointF(14.5, 12));
        break;
    case Glyph::Chip:
        Chip(p, ink);
        break;
    case Glyph::Drive:
        p.drawRoundedRect(QRectF(3, 5, 18, 14), 2.5, 2.5);
        p.drawLine(QPointF(3, 13), QPointF(21, 13));
        p.drawLine(QPointF(6.5, 16), QPointF(11, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(17, 16), 1.3, 1.3);
        break;
    case Glyph::Card:
        p.drawPolygon(QPolygonF{{10, 3}, {18, 3}, {18, 21}, {6, 21}, {6, 7}});
        p.setPen(Stroke(ink, 1.5));
        for (double x : {10.0, 12.5, 15.0})
            p.drawLine(QPointF(x, 6.5), QPointF(x, 9.5));
        break;
    case Glyph::List:
        for (double y : {6.5, 12.0, 17.5}) {
            p.fillRect(QRectF(3.5, y - 1.5, 3, 3), ink);
            p.drawLine(QPointF(9.5, y), QPointF(20.5, y));
        }
        break;
    case Glyph::Sun:
        Sun(p, ink);
        break;
    case Glyph::Reset:
        ArcArrow(p, ink, 7.5, 100, -285, 2.2);
        break;
    case Glyph::Power: {
        QPainterPath arc;
        const QRectF ring(4.5, 5, 15, 15);
        arc.arcMoveTo(ring, 125);
        arc.arcTo(ring, 125, 290);
        p.strokePath(arc, Stroke(ink, 2.3));
        p.setPen(Stroke(ink, 2.3));
        p.drawLine(QPointF(12, 3), QPointF(12, 11.5));
        break;
    }
    case Glyph::Exit:
        p.drawPolyline(QPolygonF{{12, 4}, {5, 4}, {5, 20}, {12, 20}});
        p.drawLine(QPointF(10, 12), QPointF(20, 12));
        p.drawPolyline(QPolygonF{{16, 8}, {20, 12}, {16, 16}});
        break;
    case Glyph::Sync:
        ArcArrow(p, ink, 7.5, 205, -150, 2.1);
        ArcArrow(p, ink, 7.5, 25, -150, 2.1);
        break;
    case Glyph::Cross:
        p.setPen(Stroke(ink, 2.6));
        p.drawLine(QPointF(6.5, 6.5), QPointF(17.5, 17.5));
        p.drawLine(QPointF(17.5, 6.5), QPointF(6.5, 17.5));
        break;
    case Glyph::Check:
        p.setPen(Stroke(ink, 2.6));
        p.drawPolyline(QPolygonF{{5, 12.5}, {10, 17.5}, {19.5, 7}});
        break;
    case Glyph::Plus:
        p.setPen(Stroke(ink, 2.6));
        p.drawLine(QPointF(12, 5.5), QPointF(12, 18.5));
        [[fallthrough]];
    case Glyph::Minus:
        p.setPen(Stroke(ink, 2.6));
        p.drawLine(QPointF(5.5, 12), QPointF(18.5, 12));
        break;
    case Glyph::Folder:
        Folder(p, ink);
        break;
    case Glyph::Pin:
        Pin(p, ink);
        break;
    case Glyph::Gear:
        Gear(p, ink);
        break;
    case Glyph::Program:
        Program(p, ink);
        break;
    case Glyph::Info: {
        // A disc with the letter cut out reads at 16 pixels where a ring blurs.
        QPainterPath disc, letter;
        disc.addEllipse(QPointF(12, 12), 10, 10);
        letter.addRoundedRect(QRectF(10.6, 10, 2.8, 8), 1.2, 1.2);
        letter.addEllipse(QPointF(12, 6.9), 1.75, 1.75);
        p.fillPath(disc.subtracted(letter), ink);
        break;
    }
    }
    p.restore();
}
