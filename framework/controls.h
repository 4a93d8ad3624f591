// Controls: push buttons (owner drawn) and progress bars.
#pragma once

#include "framework/wnd.h"

class CButton : public CWnd {
public:
    // The owner-draw hook; the record carries the context and the rectangle.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short nLower, short nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetPos(int nPos);
    int GetPos() const;
};
