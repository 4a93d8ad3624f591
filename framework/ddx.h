// Data exchange between a window's controls and its members.
#pragma once

#include "framework/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) { }
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds a member control object to the template's control of that id, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box's state to the value (saving) or the value to the check box.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
