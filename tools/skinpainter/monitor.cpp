// Screen 1: three read-out rows on one panel and a dock of five actions.
#include <QPainter>

#include "layout.h"
#include "screens.h"
#include "style.h"

void PaintMonitor(QPainter& p, const Sheet& sh)
{
    const double s = sh.s();
    const QRectF row1 = sh.unite({1005, 1013, 1006, 1000, 1001});
    const QRectF row2 = sh.unite({1007, 1014, 1003});
    const QRectF row3 = sh.unite({1008, 1015, 1004});
    const QRectF panel = Around(row1.united(row3), 3 * s);
    look::Card(p, panel, s);
    look::Divider(p, panel, row1.bottom(), row2.top(), s);
    look::Divider(p, panel, row2.bottom(), row3.top(), s);

    for (unsigned bar : {1000u, 1001u, 1003u, 1004u})
        look::Well(p, sh.rect(bar), s);
    look::Badge(p, sh.rect(1005), look::kGreen, Glyph::Battery, s);
    look::Badge(p, sh.rect(1006), look::kTeal, Glyph::CoinCell, s);
    look::Badge(p, sh.rect(1007), look::kViolet, Glyph::Chip, s);
    look::Badge(p, sh.rect(1008), look::kAmber, Glyph::Drive, s);

    const QRectF actions = sh.unite({1002, 1010, 1011, 1012, 1009});
    look::Dock(p, sh.size(), actions.top() - 5 * s, s);
    look::Tile(p, ButtonFace(sh.rect(1002), s), look::kNavy, Glyph::List, s);
    look::Tile(p, ButtonFace(sh.rect(1010), s), look::kNavy, Glyph::Sun, s);
    look::Tile(p, ButtonFace(sh.rect(1011), s), look::kNavy, Glyph::Reset, s);
    look::Tile(p, ButtonFace(sh.rect(1012), s), look::kRed, Glyph::Power, s);
    look::Tile(p, ButtonFace(sh.rect(1009), s), look::kSlate, Glyph::Exit, s);
}
