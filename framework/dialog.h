// Modal dialogs from templates in dialog units.
#pragma once

#include <functional>

#include "framework/ddx.h"
#include "framework/resources.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the window, initialises it and runs until EndDialog; returns
    // IDOK or IDCANCEL (or what EndDialog was given), -1 without a template.
    virtual LONG_PTR DoModal();
    // Runs from the given template instead of the one named by id.
    void InitModalIndirect(const AFX_DLGTEMPLATE* pTemplate) { m_pTemplate = pTemplate; }
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    DECLARE_MESSAGE_MAP()

    UINT m_nIDTemplate;
    const AFX_DLGTEMPLATE* m_pTemplate = nullptr;
    CWnd* m_pParentWnd;

private:
    BOOL CreateFromTemplate();
    int m_nModalResult = -1;
    bool m_bModalRunning = false;
};

// Called once each modal dialog is up and running: tests answer dialogs
// through it instead of a person. Returns the previous hook.
using AFX_MODAL_HOOK = std::function<void(CDialog*)>;
AFX_MODAL_HOOK AfxSetModalHook(AFX_MODAL_HOOK hook);
