// Line-art symbols, drawn on a 24 × 24 design grid and scaled to any box,
// so every picture size gets its own crisp rendering.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

enum class Glyph {
    Battery,
    CoinCell,
    Chip,
    Drive,
    Card, // read-out icons
    List,
    Sun,
    Reset,
    Power,
    Exit, // monitor actions
    Sync,
    Cross,
    Check,
    Minus,
    Plus,
    Folder, // dialog buttons
    Pin,
    Gear,
    Info,    // command bar
    Program, // task list
};

void DrawGlyph(QPainter& p, Glyph g, const QRectF& box, const QColor& ink);
