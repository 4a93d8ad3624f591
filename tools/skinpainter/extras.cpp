#include "extras.h"

#include <QPainter>

#include "colourfile.h"
#include "glyphs.h"
#include "screens.h"
#include "style.h"

QImage PaintToolStrip()
{
    // In the command bar's order: keep open, settings, about, exit.
    const struct {
        Glyph glyph;
        QColor ink;
    } tools[] = {{Glyph::Pin, look::kRed}, {Glyph::Gear, QColor(74, 90, 112)}, {Glyph::Info, look::kNavy},
        {Glyph::Cross, QColor(74, 90, 112)}};
    QImage strip = BlankCanvas(QSize(64, 16));
    {
        QPainter p(&strip);
        for (int i = 0; i < 4; ++i)
            DrawGlyph(p, tools[i].glyph, QRectF(i * 16, 0, 16, 16), tools[i].ink);
    }
    return strip.convertToFormat(QImage::Format_ARGB32);
}

QImage PaintTaskIcon()
{
    QImage icon = BlankCanvas(QSize(16, 16));
    {
        QPainter p(&icon);
        DrawGlyph(p, Glyph::Program, QRectF(0, 0, 16, 16), look::kNavy);
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QImage PaintFolderIcon()
{
    QImage icon = BlankCanvas(QSize(16, 16));
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor edge(168, 104, 20);
        p.setPen(QPen(edge, 1));
        // The tab behind, then the body in front of it, lighter.
        p.setBrush(QColor(232, 164, 52));
        p.drawRoundedRect(QRectF(1.5, 2.5, 6, 4), 1, 1);
        p.setBrush(QColor(250, 196, 84));
        p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1.2, 1.2);
        p.setPen(QPen(QColor(255, 232, 170), 1));
        p.drawLine(QPointF(2.5, 6), QPointF(13.5, 6));
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QImage PaintCheckStates()
{
    // Four images of 16 x 16 from the left: none, empty box, ticked box,
    // ticked box on grey (part of the folder ticked); 15 pixels stay empty.
    QImage strip = BlankCanvas(QSize(79, 16));
    {
        QPainter p(&strip);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 1; i <= 3; ++i) {
            const QRectF box(i * 16 + 2.5, 2.5, 11, 11);
            p.setPen(QPen(look::kSlate, 1));
            p.setBrush(i == 3 ? QColor(206, 212, 222) : QColor(Qt::white));
            p.drawRoundedRect(box, 1.5, 1.5);
            if (i >= 2) {
                // Drawn by hand: the line-art tick is too thin at this size.
                p.setPen(QPen(i == 3 ? look::kSlate : look::kNavy, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                const double x = box.left(), y = box.top();
                p.drawPolyline(QPolygonF{{x + 2.5, y + 5.5}, {x + 4.8, y + 8}, {x + 8.8, y + 3}});
            }
        }
    }
    return strip.convertToFormat(QImage::Format_ARGB32);
}

QByteArray ColourFileText()
{
    // The reader takes the first match of each name anywhere in the text,
    // so the heading below must never spell one.
    return QByteArray("; Quillet default skin: colours as (red,green,blue)\n") + kDefaultColourEntries;
}
