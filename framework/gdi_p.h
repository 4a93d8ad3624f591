// Inside of the framework: what the drawing handles stand for. Not for the
// program.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "framework/gdi.h"
#include "framework/messages.h"

struct HFONT__ {
    LOGFONTW description;
    QFont font;
};

struct HRGN__ {
    QRegion region;
};

struct HBRUSH__ {
    bool hollow;
    QColor colour;
};

struct HDC__ {
    QPainter* painter = nullptr; // null for a memory context
    HBITMAP bitmap = nullptr;    // selected into a memory context
    HFONT font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
};

QColor AfxColor(COLORREF c);

// A picture built into the program, all PNG: read as such, without the
// toolkit loading every picture plugin there is to ask each about it.
QImage AfxLoadResourceImage(const QString& path);
