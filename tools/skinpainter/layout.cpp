#include "layout.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/dlgunits.h"
#include "framework/resources.h"

namespace {

struct Item {
    unsigned id;
    short x, y, cx, cy;
};

struct Table {
    unsigned id;
    short cx, cy;
    std::vector<Item> items;
};

// Rectangles of the dialogs, for as long as the program's resources lack them.
const Table kTables[] = {
    {155, 137, 150, {{1025, 2, 3, 106, 46}, {1001, 112, 3, 21, 20}, {1000, 112, 29, 21, 20},
                        {1018, 2, 51, 21, 20}, {1019, 25, 51, 108, 20}, {1003, 2, 72, 131, 9},
                        {1016, 2, 85, 21, 20}, {1021, 25, 85, 108, 20}, {1005, 2, 106, 131, 9},
                        {1017, 2, 118, 21, 20}, {1020, 25, 118, 108, 20}, {1004, 2, 139, 131, 9}}},
    {157, 136, 150, {{1026, 2, 6, 110, 13}, {1002, 114, 2, 20, 20}, {1016, 2, 26, 20, 20},
                        {1020, 23, 26, 90, 20}, {1021, 114, 26, 20, 20}, {1034, 2, 51, 132, 14},
                        {1033, 2, 54, 8, 8}, {1, 2, 127, 20, 20}, {2, 114, 127, 20, 20}}},
    {166, 134, 137, {{1, 7, 118, 50, 12}, {2, 77, 118, 50, 12}}},
};

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
    for (const Table& t : kTables) {
        if (t.id != templateId)
            continue;
        m_ownTable = true;
        m_size = Mapped(0, 0, t.cx, t.cy).size().toSize();
        for (const Item& it : t.items)
            m_rects[it.id] = Mapped(it.x, it.y, it.cx, it.cy);
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
