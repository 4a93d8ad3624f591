// Screens 2 to 5: the memory, About, settings and folder browser dialogs.
#include <QPainter>

#include <algorithm>

#include "layout.h"
#include "screens.h"
#include "style.h"

namespace {

// OK (1) and Cancel (2) are moved by the dialog at initialisation, in
// pixels from the client rectangle, not by the template.
void PlaceOkCancel(Sheet& sh)
{
    const double w = sh.size().width();
    const double h = sh.size().height();
    if (sh.vga()) {
        sh.place(1, QRectF(10, h - 90, 96, 64));
        sh.place(2, QRectF(w - 106, h - 90, 96, 64));
    } else {
        sh.place(1, QRectF(5, h - 45, 64, 32));
        sh.place(2, QRectF(w - 53, h - 45, 64, 32));
    }
}

// Cancel overhangs the right edge on normal screens; both faces take the
// width that stays visible, so the pair is symmetric.
void OkCancelDock(QPainter& p, const Sheet& sh)
{
    const double s = sh.s();
    const QRectF ok = sh.rect(1);
    const QRectF cancel = sh.rect(2);
    const double width = std::min(cancel.width(), sh.size().width() - ok.left() - cancel.left());
    look::Dock(p, sh.size(), ok.top() - 6 * s, s);
    look::Tile(p, QRectF(ok.left(), ok.top(), width, ok.height() - 2 * s), look::kGreen, Glyph::Check, s);
    look::Tile(p, QRectF(cancel.left(), cancel.top(), width, cancel.height() - 2 * s), look::kSlate, Glyph::Cross, s);
}

} // namespace

void PaintMemory(QPainter& p, const Sheet& sh)
{
    const double s = sh.s();
    look::Well(p, sh.rect(1025), s);
    look::Tile(p, ButtonFace(sh.rect(1001), s), look::kNavy, Glyph::Sync, s);
    look::Tile(p, ButtonFace(sh.rect(1000), s), look::kRed, Glyph::Cross, s);

    const QRectF panel = Around(sh.unite({1018, 1019, 1003, 1017, 1020, 1004}), 2 * s);
    look::Card(p, panel, s);
    look::Divider(p, panel, sh.rect(1003).bottom(), sh.rect(1016).top(), s);
    look::Divider(p, panel, sh.rect(1005).bottom(), sh.rect(1017).top(), s);
    const struct {
        unsigned icon, bar;
        QColor accent;
    } rows[] = {{1018, 1003, look::kAmber}, {1016, 1005, look::kTeal}, {1017, 1004, look::kViolet}};
    for (const auto& row : rows) {
        look::Badge(p, sh.rect(row.icon), row.accent, Glyph::Card, s);
        look::Well(p, sh.rect(row.bar), s);
    }
}

void PaintAbout(QPainter& p, const Sheet& sh)
{
    const double s = sh.s();
    look::Card(p, Around(sh.unite({1016, 1002, 1022}), 4 * s), s);
    look::Card(p, Around(sh.unite({1021, 1020}), 4 * s), s);
    const QRectF icon = sh.rect(1016);
    const double side = std::min(icon.width(), icon.height());
    look::Emblem(p, QRectF(icon.center().x() - side / 2, icon.center().y() - side / 2, side, side));
    // The emblem's three bars, small and faint, close the empty foot.
    const QRectF credit = sh.rect(1020);
    const double foot = (credit.bottom() + sh.size().height()) / 2;
    const QColor dots[] = {look::kGreen, look::kAmber, look::kRed};
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QColor c = dots[i];
        c.setAlphaF(0.55);
        p.setBrush(c);
        p.drawRoundedRect(
            QRectF(sh.size().width() / 2.0 + (i - 1.5) * 14 * s + 2 * s, foot - 2 * s, 10 * s, 4 * s), 2 * s, 2 * s);
    }
}

void PaintSettings(QPainter& p, Sheet& sh)
{
    const double s = sh.s();
    PlaceOkCancel(sh);
    look::Well(p, sh.rect(1026), s);
    look::Tile(p, ButtonFace(sh.rect(1002), s), look::kNavy, Glyph::Folder, s);
    look::Tile(p, ButtonFace(sh.rect(1016), s), look::kNavy, Glyph::Minus, s);
    look::Card(p, ButtonFace(sh.rect(1020), s), s);
    look::Tile(p, ButtonFace(sh.rect(1021), s), look::kNavy, Glyph::Plus, s);
    look::Card(p, Around(sh.unite({1034, 1033}), s), s);
    OkCancelDock(p, sh);
}

void PaintBrowser(QPainter& p, Sheet& sh)
{
    const double s = sh.s();
    PlaceOkCancel(sh);
    const double w = sh.size().width();
    const double h = sh.size().height();
    // The tree is not in the template; the dialog makes it from the client area.
    const QRectF tree = sh.vga() ? QRectF(QPointF(10, 10), QPointF(w - 10, h - 100))
                                 : QRectF(QPointF(5, 5), QPointF(w - 5, h - 60));
    look::Well(p, tree, s);
    OkCancelDock(p, sh);
}
