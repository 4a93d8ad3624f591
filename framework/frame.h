// The main frame: a top-level window with the command bar (menu, tool
// buttons, close adornment) at the bottom and the view above it.
#pragma once

#include "framework/doc.h"
#include "framework/wnd.h"

class CView;
class AfxCommandBar;

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    BOOL LoadFrame(UINT nIDResource, CWnd* pParentWnd, CCreateContext* pContext);
    CView* GetActiveView() const { return m_pViewActive; }
    void InitialUpdateFrame(CDocument* pDoc);

    // Command bar: tool buttons from a strip of 16 × 16 images, and the close adornment.
    BOOL InsertButtons(const TBBUTTON* pButtons, UINT nButtons, UINT nBitmapID, UINT nImages);
    BOOL AddAdornments(DWORD dwFlags);

    BOOL OnCmdMsg(UINT nID, int nCode) override;
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    DECLARE_MESSAGE_MAP()

private:
    void RecalcLayout();
    UINT m_nIDResource = 0;
    CCreateContext* m_pCreateContext = nullptr;
    CView* m_pViewActive = nullptr;
    AfxCommandBar* m_pCommandBar = nullptr;
};
