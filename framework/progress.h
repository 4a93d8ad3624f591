// Progress bars: a range and a position, drawn as a filled share.
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_PROGRESS[] = u"msctls_progress32";

constexpr UINT PBM_SETRANGE = WM_USER + 1;
constexpr UINT PBM_SETPOS = WM_USER + 2;
constexpr UINT PBM_GETRANGE = WM_USER + 7;
constexpr UINT PBM_GETPOS = WM_USER + 8;

struct PBRANGE {
    int iLow;
    int iHigh;
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short nLower, short nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetPos(int nPos);
    int GetPos() const;
};
