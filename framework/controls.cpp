#include "framework/controls.h"

#include "framework/window_p.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(WORD(nLower), WORD(nUpper)));
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range{0, 0};
    ::SendMessage(m_hWnd, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::SetPos(int nPos)
{
    return int(SendMessage(PBM_SETPOS, WPARAM(nPos), 0));
}

int CProgressCtrl::GetPos() const
{
    return int(::SendMessage(m_hWnd, PBM_GETPOS, 0, 0));
}
