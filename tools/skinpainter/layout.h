// One window's picture grid: its template's controls in pixels, mapped with
// the framework's dialog units for a normal or a VGA screen.
#pragma once

#include <QRectF>
#include <QSize>

#include <initializer_list>
#include <map>

class Sheet {
public:
    Sheet(unsigned templateId, bool vga);

    QSize size() const { return m_size; }
    bool vga() const { return m_vga; }
    // Pixels per normal-screen pixel: strokes, radii and gaps scale with it.
    double s() const { return m_vga ? 2.0 : 1.0; }

    QRectF rect(unsigned id) const;
    QRectF unite(std::initializer_list<unsigned> ids) const;
    // Controls that the dialog moves at initialisation, in client pixels.
    void place(unsigned id, const QRectF& r) { m_rects[id] = r; }

private:
    QSize m_size;
    bool m_vga;
    std::map<unsigned, QRectF> m_rects;
};
