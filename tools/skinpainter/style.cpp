#include "style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace look {
namespace {

    QColor Mix(const QColor& a, const QColor& b, double t)
    {
        return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
            a.blueF() + (b.blueF() - a.blueF()) * t);
    }

    // A centred square inside r, shrunk by a margin.
    QRectF Square(const QRectF& r, double margin)
    {
        const double side = std::min(r.width(), r.height()) - 2 * margin;
        return QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }

    // Outlines sit on pixel boundaries: a stroke of width w is drawn w/2 inside.
    QRectF Inner(const QRectF& r, double w)
    {
        return r.adjusted(w / 2, w / 2, -w / 2, -w / 2);
    }

} // namespace

void Background(QPainter& p, QSize size)
{
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(244, 247, 251));
    g.setColorAt(1, QColor(222, 230, 240));
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

void Card(QPainter& p, const QRectF& r, double s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 55, 95, 26));
    p.drawRoundedRect(r.translated(0, s), 5 * s, 5 * s);
    p.setPen(QPen(QColor(207, 216, 229), s));
    p.setBrush(Qt::white);
    p.drawRoundedRect(Inner(r, s), 5 * s, 5 * s);
    p.restore();
}

void Well(QPainter& p, const QRectF& control, double s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = control.adjusted(-2 * s, -2 * s, 2 * s, 2 * s);
    p.setPen(QPen(QColor(196, 207, 222), s));
    p.setBrush(Qt::white);
    p.drawRoundedRect(Inner(outer, s), 3 * s, 3 * s);
    p.restore();
}

void Divider(QPainter& p, const QRectF& panel, double above, double below, double s)
{
    const double y = std::round((above + below) / 2 - s / 2);
    p.fillRect(QRectF(panel.left() + 8 * s, y, panel.width() - 16 * s, s), QColor(225, 231, 240));
}

void Dock(QPainter& p, QSize size, double top, double s)
{
    const QRectF band(0, top, size.width(), size.height() - top);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(218, 226, 237));
    g.setColorAt(1, QColor(200, 212, 227));
    p.fillRect(band, g);
    p.fillRect(QRectF(0, top, size.width(), s), QColor(182, 196, 214));
    p.fillRect(QRectF(0, top + s, size.width(), s), QColor(255, 255, 255, 150));
}

void Tile(QPainter& p, const QRectF& r, const QColor& base, Glyph g, double s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(r.width(), r.height()) * 0.24;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 35, 60, 40));
    p.drawRoundedRect(r.translated(0, s), radius, radius);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, Mix(base, Qt::white, 0.16));
    fill.setColorAt(1, Mix(base, Qt::black, 0.10));
    p.setPen(QPen(Mix(base, Qt::black, 0.28), s));
    p.setBrush(fill);
    p.drawRoundedRect(Inner(r, s), radius, radius);
    // A thin light edge along the top gives the tile its lift.
    QPainterPath rim;
    rim.addRoundedRect(Inner(r, 3 * s), radius - s, radius - s);
    p.strokePath(rim, QPen(QColor(255, 255, 255, 60), s));
    p.restore();
    DrawGlyph(p, g, Square(r, std::min(r.width(), r.height()) * 0.2), Qt::white);
}

void Badge(QPainter& p, const QRectF& area, const QColor& accent, Glyph g, double s)
{
    const QRectF sq = Square(area, 2 * s);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Mix(accent, Qt::white, 0.72), s));
    p.setBrush(Mix(accent, Qt::white, 0.88));
    p.drawRoundedRect(Inner(sq, s), sq.width() * 0.26, sq.width() * 0.26);
    p.restore();
    DrawGlyph(p, g, Square(sq, sq.width() * 0.09), accent);
}

EmblemParts EmblemLayout(const QRectF& r, bool fitPixels)
{
    const double u = r.width() / 64.0;
    // Fitted to pixels, every edge is whole and the bars keep a gap of at
    // least one pixel, so small icons stay sharp.
    auto fit = [fitPixels](double v) { return fitPixels ? std::round(v) : v; };
    EmblemParts e;
    const double inset = fitPixels ? std::max(1.0, fit(2 * u)) : 2 * u;
    e.tile = r.adjusted(inset, inset, -inset, -inset);
    e.tileCorner = 14 * u;
    const double left = fit(14 * u);
    const double length = r.width() - 2 * left;
    const double height = fitPixels ? std::max(2.0, fit(7 * u)) : 7 * u;
    const double pitch = fitPixels ? std::max(height + 1, fit(12 * u)) : 12 * u;
    const double top = fitPixels ? fit((r.height() - 2 * pitch - height) / 2) : 17 * u;
    e.barCorner = fitPixels && height < 4 ? 0 : height / 2;
    const double levels[] = {34, 24, 14};
    for (int i = 0; i < 3; ++i) {
        e.track[i] = QRectF(r.left() + left, r.top() + top + i * pitch, length, height);
        e.level[i] = QRectF(e.track[i].topLeft(), QSizeF(fit(length * levels[i] / 36), height));
    }
    return e;
}

void Emblem(QPainter& p, const QRectF& r, bool fitPixels)
{
    const EmblemParts e = EmblemLayout(r, fitPixels);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, e.tileFrom);
    g.setColorAt(1, e.tileTo);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(e.tile, e.tileCorner, e.tileCorner);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(e.trackColour);
        p.drawRoundedRect(e.track[i], e.barCorner, e.barCorner);
        p.setBrush(e.levelColour[i]);
        p.drawRoundedRect(e.level[i], e.barCorner, e.barCorner);
    }
    p.restore();
}

} // namespace look
