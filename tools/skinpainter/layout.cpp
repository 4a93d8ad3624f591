#include "layout.h"

#include <cstdio>
#include <cstdlib>

#include "framework/dlgunits.h"
#include "framework/resources.h"

namespace {

QRectF Mapped(int x, int y, int cx, int cy)
{
    const RECT r = AfxMapDialogRect(x, y, cx, cy);
    return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

Sheet::Sheet(unsigned templateId, bool vga) : m_vga(vga)
{
    // The framework takes the screen size from here, so this picks the grid.
    setenv("QUILLET_SCREEN", vga ? "480x640" : "240x320", 1);
    if (const AFX_DLGTEMPLATE* t = AfxFindDialogTemplate(templateId)) {
        m_size = Mapped(0, 0, t->cx, t->cy).size().toSize();
        for (size_t i = 0; i < t->nItems; ++i) {
            const AFX_DLGITEM& it = t->pItems[i];
            m_rects[it.nID] = Mapped(it.x, it.y, it.cx, it.cy);
        }
        return;
    }
    std::fprintf(stderr, "quillet-skinpainter: no template %u\n", templateId);
    std::exit(2);
}

QRectF Sheet::rect(unsigned id) const
{
    const auto it = m_rects.find(id);
    if (it == m_rects.end()) {
        std::fprintf(stderr, "quillet-skinpainter: no control %u\n", id);
        std::exit(2);
    }
    return it->second;
}

QRectF Sheet::unite(std::initializer_list<unsigned> ids) const
{
    QRectF r;
    for (unsigned id : ids)
        r = r.united(rect(id));
    return r;
}
