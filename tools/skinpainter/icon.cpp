#include "icon.h"

#include <QPainter>

#include "screens.h"
#include "style.h"

QImage PaintAppIcon(int size)
{
    QImage icon = BlankCanvas(QSize(size, size));
    {
        QPainter p(&icon);
        look::Emblem(p, QRectF(0, 0, size, size), true);
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}

namespace {

QByteArray Number(double v)
{
    return QByteArray::number(v, 'g', 6);
}

QByteArray Fill(const QColor& c)
{
    const QByteArray fill = "fill=\"" + c.name().toLatin1() + "\"";
    return c.alpha() == 255 ? fill : fill + " fill-opacity=\"" + Number(c.alphaF()) + "\"";
}

QByteArray Rect(const QRectF& r, double corner, const QByteArray& fill)
{
    return "  <rect x=\"" + Number(r.x()) + "\" y=\"" + Number(r.y()) + "\" width=\"" + Number(r.width()) +
        "\" height=\"" + Number(r.height()) + "\" rx=\"" + Number(corner) + "\" " + fill + "/>\n";
}

} // namespace

QByteArray AppIconSvg()
{
    // The emblem's own shapes on a 64-unit square; the gradient runs from
    // corner to corner as the painter's does.
    const look::EmblemParts e = look::EmblemLayout(QRectF(0, 0, 64, 64), false);
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "  <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"64\" y2=\"64\" gradientUnits=\"userSpaceOnUse\">\n";
    svg += "    <stop offset=\"0\" stop-color=\"" + e.tileFrom.name().toLatin1() + "\"/>\n";
    svg += "    <stop offset=\"1\" stop-color=\"" + e.tileTo.name().toLatin1() + "\"/>\n";
    svg += "  </linearGradient>\n";
    svg += Rect(e.tile, e.tileCorner, "fill=\"url(#tile)\"");
    for (int i = 0; i < 3; ++i) {
        svg += Rect(e.track[i], e.barCorner, Fill(e.trackColour));
        svg += Rect(e.level[i], e.barCorner, Fill(e.levelColour[i]));
    }
    return svg + "</svg>\n";
}
