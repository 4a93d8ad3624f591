#include "framework/view.h"

#include "framework/dlgunits.h"
#include "framework/hwnd_p.h"
#include "framework/resources.h"

void CView::OnInitialUpdate()
{
    Invalidate();
}

BOOL CView::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CCreateContext* pContext)
{
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return TRUE;
}

void CView::PostNcDestroy()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    delete this;
}

BOOL CFormView::PreCreateWindow(CREATESTRUCT& cs)
{
    const AFX_DLGTEMPLATE* pTemplate = AfxFindDialogTemplate(m_nIDTemplate);
    if (!pTemplate)
        return FALSE;
    const RECT r = AfxMapDialogRect(0, 0, pTemplate->cx, pTemplate->cy);
    cs.cx = r.right - r.left;
    cs.cy = r.bottom - r.top;
    return CView::PreCreateWindow(cs);
}

BOOL CFormView::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CCreateContext* pContext)
{
    if (!CView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    AfxCreateTemplateControls(this, AfxFindDialogTemplate(m_nIDTemplate));
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    // Binding the controls comes before anything else the view does.
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

BOOL CFormView::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CFormView::DoDataExchange(CDataExchange*)
{
}
