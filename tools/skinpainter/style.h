// The skin's look: one palette and the few shapes every window is built from.
// Sizes are in normal-screen pixels times s (1 normal, 2 VGA).
#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>

#include "glyphs.h"

class QPainter;

namespace look {

// Accents of the read-out icons and the action tiles.
inline const QColor kGreen{46, 158, 91};
inline const QColor kTeal{21, 146, 160};
inline const QColor kViolet{106, 85, 201};
inline const QColor kAmber{217, 130, 27};
inline const QColor kNavy{48, 96, 164};
inline const QColor kRed{208, 70, 64};
inline const QColor kSlate{92, 108, 130};

void Background(QPainter& p, QSize size);
// A raised white panel that groups one row of controls.
void Card(QPainter& p, const QRectF& r, double s);
// A sunken frame around a control that paints itself (bar, list, edit, tree).
void Well(QPainter& p, const QRectF& control, double s);
// A hairline across a panel, midway in the gap between two rows.
void Divider(QPainter& p, const QRectF& panel, double above, double below, double s);
// The band that carries a window's bottom row of buttons.
void Dock(QPainter& p, QSize size, double top, double s);
// A push button: a coloured tile with a white symbol.
void Tile(QPainter& p, const QRectF& r, const QColor& base, Glyph g, double s);
// A read-out icon: a tinted square with the symbol in its accent colour.
void Badge(QPainter& p, const QRectF& area, const QColor& accent, Glyph g, double s);
// The program's emblem (application icon, About dialog): a rounded tile
// with three level bars, the program in one picture.
struct EmblemParts {
    QRectF tile;
    double tileCorner = 0;
    QColor tileFrom{58, 118, 196}, tileTo{24, 128, 140}; // top-left to bottom-right
    QRectF track[3], level[3];
    double barCorner = 0;
    QColor trackColour{255, 255, 255, 60};
    QColor levelColour[3] = {{120, 226, 150}, {255, 204, 92}, {255, 255, 255}};
};
// The emblem's parts inside the square r; fitPixels puts their edges on whole
// pixels, for small icons.
EmblemParts EmblemLayout(const QRectF& r, bool fitPixels);
void Emblem(QPainter& p, const QRectF& r, bool fitPixels = false);

} // namespace look
