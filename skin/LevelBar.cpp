#include "skin/LevelBar.h"

#include <algorithm>
#include <cmath>

BEGIN_MESSAGE_MAP(CLevelBar, CProgressCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CLevelBar::SetColors(COLORREF clrBack, COLORREF clrBar, COLORREF clrText, BOOL bRedraw)
{
    m_clrBack = clrBack;
    m_clrBar = clrBar;
    m_clrText = clrText;
    if (bRedraw)
        Invalidate(TRUE);
}

void CLevelBar::SetText(LPCWSTR lpszText, BOOL bRedraw)
{
    m_strText = lpszText;
    if (bRedraw)
        Invalidate(TRUE);
}

RECT CLevelBar::SpanRect(const BarPaintInfo& info, const BarSpan& span)
{
    return RECT{
        info.rcClient.left + span.nStart, info.rcClient.top, info.rcClient.left + span.nEnd, info.rcClient.bottom};
}

void CLevelBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nPos = GetPos();
    int nLower = 0, nUpper = 0;
    GetRange(nLower, nUpper);

    dc.FillSolidRect(&rcClient, m_clrBack);
    if (nPos < nLower || nPos > nUpper)
        return;

    const LONG nExtent = rcClient.right - rcClient.left;
    // An empty range has no share to show.
    LONG nFill = 0;
    if (nUpper > nLower) {
        const float fFill = float(nPos - nLower) * float(nExtent) / float(nUpper - nLower);
        nFill = std::clamp<LONG>(LONG(std::trunc(fFill)), 0, nExtent);
    }

    const BarPaintInfo info{&dc, GetStyle(), rcClient};
    const RECT rcFill = SpanRect(info, BarSpan{0, nFill});
    dc.FillSolidRect(&rcFill, m_clrBar);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrText);
    DrawBarText(info, BarSpan{0, nExtent}, BarSpan{0, nFill});
}

void CLevelBar::DrawBarText(const BarPaintInfo& info, const BarSpan& whole, const BarSpan&)
{
    DrawClippedText(info, whole, m_strText);
}

void CLevelBar::DrawClippedText(const BarPaintInfo& info, const BarSpan& span, const CString& strText)
{
    RECT rc = SpanRect(info, span);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rc);
    info.pDC->SelectClipRgn(&rgn);
    // Centred across; not a single line, so it starts at the top edge.
    info.pDC->DrawText(strText, -1, &rc, DT_CENTER | DT_VCENTER);
    rgn.DeleteObject();
}
