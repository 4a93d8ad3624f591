// The five windows' pictures, each drawn to its template's pixel grid.
#pragma once

#include <QImage>

class QPainter;
class Sheet;

struct Screen {
    int number;          // names the picture: 1 … 5
    unsigned templateId; // the window's form or dialog template
};

inline constexpr Screen kScreens[] = {{1, 101}, {2, 155}, {3, 100}, {4, 157}, {5, 166}};

QImage PaintScreen(const Screen& screen, Sheet& sheet);

// Shared by the screens' painters.
QImage BlankCanvas(QSize size);
QRectF Around(const QRectF& r, double pad);
// The face of a push button inside its control, leaving room for its shadow.
QRectF ButtonFace(const QRectF& control, double s);
void PaintMonitor(QPainter& p, const Sheet& sh);
void PaintMemory(QPainter& p, const Sheet& sh);
void PaintAbout(QPainter& p, const Sheet& sh);
void PaintSettings(QPainter& p, Sheet& sh);
void PaintBrowser(QPainter& p, Sheet& sh);
