// Views: the window inside a frame that shows a document; the form view lays
// out a template's controls and binds them by data exchange.
#pragma once

#include "framework/ddx.h"
#include "framework/doc.h"

class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnInitialUpdate();
    // The view's window, a child of the frame; it joins the context's document.
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID, CCreateContext* pContext = nullptr) override;

    void PostNcDestroy() override;

protected:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};

class CFormView : public CView {
public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) { }
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    UINT m_nIDTemplate;
};
