// A see-through push button: paints the piece of its window's skin picture
// that lies under it, then its window text in one line.
#pragma once

#include "framework/button.h"
#include "platform/image.h"

class CImageButton : public CButton {
public:
    ~CImageButton() override = default;

    void SetLabelColor(COLORREF clrLabel) { m_clrLabel = clrLabel; }
    void SetAlignment(int nHAlign, int nVAlign)
    {
        m_nHAlign = nHAlign;
        m_nVAlign = nVAlign;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // DrawText format for the alignment: left/centre/right by -1/0/1 across,
    // bottom/centre/top by -1/0/1 down, always one line; 0 for other values.
    static UINT LabelFormat(int nHAlign, int nVAlign);

    // A label wider than the button is drawn in a smaller size of its font,
    // the largest that fits, but never below this share of the font's height
    // (in percent): past that it is cut at the edge instead.
    static constexpr LONG kSmallestLabelPercent = 60;

    int m_nHAlign = 0;
    int m_nVAlign = 0;
    BOOL m_bHideLabel = 1;
    HBITMAP m_hBackground = nullptr; // borrowed from the owner window
    COLORREF m_clrLabel = 0x00000000;

private:
    HFONT LabelFont();
    // Selects into dc the font to draw the label in (into fontFitted when a
    // smaller one is needed).
    void FitLabel(CDC& dc, const CString& strLabel, LONG nWidth, CFont& fontFitted);
};
