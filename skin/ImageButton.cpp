#include "skin/ImageButton.h"

#include <algorithm>
#include <cstdint>

UINT CImageButton::LabelFormat(int nHAlign, int nVAlign)
{
    if (nHAlign < -1 || nHAlign > 1 || nVAlign < -1 || nVAlign > 1)
        return 0;
    const UINT nAcross = nHAlign < 0 ? DT_LEFT : nHAlign == 0 ? DT_CENTER : DT_RIGHT;
    const UINT nDown = nVAlign < 0 ? DT_BOTTOM : nVAlign == 0 ? DT_VCENTER : DT_TOP;
    return nAcross | nDown | DT_SINGLELINE;
}

HFONT CImageButton::LabelFont()
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
}

void CImageButton::FitLabel(CDC& dc, const CString& strLabel, LONG nWidth, CFont& fontFitted)
{
    const LONG nNeeded = dc.GetTextExtent(strLabel, -1).cx;
    LOGFONTW lf{};
    if (nNeeded <= nWidth || nWidth <= 0 || !GetFontDescription(LabelFont(), &lf) || lf.lfHeight == 0)
        return;
    const LONG nFull = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    const LONG nSign = lf.lfHeight < 0 ? -1 : 1;
    const LONG nSmallest = std::max<LONG>(1, nFull * kSmallestLabelPercent / 100);
    if (nSmallest >= nFull)
        return;
    LONG nMade = 0; // the size of the font selected last
    const auto fits = [&](LONG nHeight) {
        nMade = nHeight;
        lf.lfHeight = nSign * nHeight;
        fontFitted.DeleteObject();
        fontFitted.CreateFontIndirect(&lf);
        dc.SelectObject(&fontFitted);
        return dc.GetTextExtent(strLabel, -1).cx <= nWidth;
    };
    // Widths grow about in proportion to the size: start there, then step to the largest that fits.
    LONG nHeight = std::clamp<LONG>(LONG(std::int64_t(nFull) * nWidth / nNeeded), nSmallest, nFull - 1);
    if (fits(nHeight)) {
        while (nHeight + 1 < nFull && fits(nHeight + 1))
            ++nHeight;
    } else {
        while (nHeight > nSmallest && !fits(--nHeight)) { }
    }
    // Each font made costs the toolkit a look-up: the last one is kept when it is the one that fits.
    if (nMade != nHeight)
        fits(nHeight);
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    CString strLabel;
    GetWindowText(strLabel);
    dc.SetBkMode(TRANSPARENT);

    CDC dcMemory;
    dcMemory.CreateCompatibleDC(&dc);
    const HBITMAP hOld = dcMemory.SelectObject(m_hBackground);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rcWindow);
    dc.BitBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &dcMemory, rcWindow.left, rcWindow.top, SRCCOPY);
    dcMemory.SelectObject(hOld);
    dcMemory.DeleteDC();

    if (!m_bHideLabel) {
        const UINT nFormat = LabelFormat(m_nHAlign, m_nVAlign);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(m_clrLabel);
        CFont fontFitted;
        const RECT& rc = lpDrawItemStruct->rcItem;
        // Two pixels to spare, so that no smoothed edge touches the border.
        FitLabel(dc, strLabel, rc.right - rc.left - 2, fontFitted);
        dc.DrawText(strLabel, -1, &lpDrawItemStruct->rcItem, nFormat);
        dc.SelectObject(LabelFont());
    }
    dc.Detach();
}
