#include "skin/ImageButton.h"

UINT CImageButton::LabelFormat(int nHAlign, int nVAlign)
{
    if (nHAlign < -1 || nHAlign > 1 || nVAlign < -1 || nVAlign > 1)
        return 0;
    const UINT nAcross = nHAlign < 0 ? DT_LEFT : nHAlign == 0 ? DT_CENTER : DT_RIGHT;
    const UINT nDown = nVAlign < 0 ? DT_BOTTOM : nVAlign == 0 ? DT_VCENTER : DT_TOP;
    return nAcross | nDown | DT_SINGLELINE;
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
        dc.DrawText(strLabel, -1, &lpDrawItemStruct->rcItem, nFormat);
    }
    dc.Detach();
}
