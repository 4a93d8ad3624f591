#include "extras.h"

#include <QPainter>

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

QByteArray ColourFileText()
{
    // The reader takes the first match of each name anywhere in the text,
    // so the heading below must never spell one.
    return "; Quillet default skin: colours as (red,green,blue)\n"
           "MainTextColor = (22,46,122);\n"
           "BarTextColor = (24,34,58);\n"
           "BarBackColor = (226,233,242);\n"
           "BarNormalColor = (88,196,120);\n"
           "BarLowColor = (246,184,48);\n"
           "BarCriticalColor = (232,84,72);\n"
           "SkinType = (.png);\n";
}
