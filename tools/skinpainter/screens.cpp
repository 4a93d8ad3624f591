#include "screens.h"

#include <QPainter>

#include "layout.h"
#include "style.h"

QImage BlankCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QRectF Around(const QRectF& r, double pad)
{
    return r.adjusted(-pad, -pad, pad, pad);
}

QRectF ButtonFace(const QRectF& control, double s)
{
    return control.adjusted(2 * s, s, -2 * s, -3 * s);
}

QImage PaintScreen(const Screen& screen, Sheet& sheet)
{
    QImage image = BlankCanvas(sheet.size());
    {
        QPainter p(&image);
        look::Background(p, sheet.size());
        switch (screen.number) {
        case 1:
            PaintMonitor(p, sheet);
            break;
        case 2:
            PaintMemory(p, sheet);
            break;
        case 3:
            PaintAbout(p, sheet);
            break;
        case 4:
            PaintSettings(p, sheet);
            break;
        case 5:
            PaintBrowser(p, sheet);
            break;
        }
    }
    // Skin pictures are opaque.
    return image.convertToFormat(QImage::Format_RGB32);
}
