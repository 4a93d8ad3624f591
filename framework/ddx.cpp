#include "framework/ddx.h"

#include "framework/checkbox.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd && pDX && pDX->m_pDlgWnd)
        rControl.SubclassDlgItem(UINT(nIDC), pDX->m_pDlgWnd);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* pControl = pDX && pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    if (!pControl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = int(pControl->SendMessage(BM_GETCHECK, 0, 0));
    else
        pControl->SendMessage(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}
