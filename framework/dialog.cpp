#include "framework/dialog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "framework/app.h"
#include "framework/commandbar_p.h"
#include "framework/dlgunits.h"
#include "framework/hwnd_p.h"
#include "framework/language.h"

namespace {

AFX_MODAL_HOOK& ModalHook()
{
    static AFX_MODAL_HOOK hook;
    return hook;
}

// The dialog class: Escape and the window's close button become the
// platform's cancel command, Return and Enter press the default button.
// The caption's OK button is, on the desktop, a bar below the client area.
class AfxDialog : public AfxWindowWidget<QDialog> {
public:
    using AfxWindowWidget<QDialog>::AfxWindowWidget;

    void accept() override { ::SendMessage(m_hwnd.hWnd, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); }
    void reject() override { ::SendMessage(m_hwnd.hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); }

    bool ClassProc(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_CLOSE)
            return false;
        // The close button is the dialog's cancel.
        ::SendMessage(m_hwnd.hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        result = 0;
        return true;
    }

    QRect ClientArea() const override { return AfxWindow::ClientArea().adjusted(0, 0, 0, -m_nOkBarHeight); }

    // Sizes the dialog to its client area, with the OK bar below it when asked.
    void Layout(const RECT& client, bool bOkBar)
    {
        if (bOkBar) {
            auto* bar = new AfxCommandBar(this, m_hwnd.hWnd);
            bar->AddTextButton(QCoreApplication::translate("AfxDialog", "OK"), IDOK);
            bar->setGeometry(0, client.bottom, client.right, bar->height());
            m_nOkBarHeight = bar->height();
        }
        setFixedSize(client.right, client.bottom + m_nOkBarHeight);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        // Keys a focused control leaves alone: Return presses the default
        // button, the OK control or the caption's OK.
        if (!AfxIsEnterKey(e)) {
            AfxWindowWidget<QDialog>::keyPressEvent(e);
        } else if (QAbstractButton* ok = DefaultButton()) {
            ok->click();
        } else {
            e->ignore();
        }
    }

private:
    QAbstractButton* DefaultButton() const
    {
        for (QObject* o : children()) {
            auto* button = qobject_cast<QAbstractButton*>(o);
            const AfxWindowRecord* r = AfxRecord(AfxHandleOf(button));
            if (button && r && r->id == UINT(IDOK) && button->isVisible() && button->isEnabled())
                return button;
        }
        return m_nOkBarHeight ? findChild<QPushButton*>() : nullptr;
    }

    int m_nOkBarHeight = 0;
};

} // namespace

AfxWindow* AfxNewDialog(QWidget* parent, DWORD)
{
    return new AfxDialog(parent);
}

AFX_MODAL_HOOK AfxSetModalHook(AFX_MODAL_HOOK hook)
{
    std::swap(ModalHook(), hook);
    return hook;
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CDialog::CreateFromTemplate()
{
    const AFX_DLGTEMPLATE* pTemplate = m_pTemplate ? m_pTemplate : AfxFindDialogTemplate(m_nIDTemplate);
    if (!pTemplate)
        return FALSE;
    // The title is the dialog's creation text.
    const std::u16string title = AfxTranslate(AFX_CONTEXT_DIALOG, pTemplate->lpszTitle);
    HWND h = AfxCreateWindowHandle(AFX_WNDCLASS_DIALOG, m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr,
        pTemplate->dwStyle, pTemplate->dwExStyle, 0, title.c_str());
    AfxWindowRecord* r = AfxRecord(h);
    static_cast<AfxDialog*>(r->window)->Layout(
        AfxMapDialogRect(0, 0, pTemplate->cx, pTemplate->cy), pTemplate->dwExStyle & WS_EX_CAPTIONOKBTN);
    r->pWnd = this;
    m_hWnd = h;
    AfxCreateTemplateControls(this, pTemplate);
    return TRUE;
}

LONG_PTR CDialog::DoModal()
{
    if (!CreateFromTemplate())
        return -1;
    m_nModalResult = IDCANCEL;
    m_bModalRunning = true;
    QWidget* const widget = AfxWidget(m_hWnd);
    if (OnInitDialog()) {
        // Focus goes to the first control that Tab reaches.
        for (QWidget* w = widget->nextInFocusChain(); w && w != widget; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
                w->setFocus();
                break;
            }
    }
    // EndDialog while initialising ends the dialog before it shows.
    if (!m_bModalRunning) {
        DestroyWindow();
        return m_nModalResult;
    }
    auto* dialog = static_cast<QDialog*>(widget);
    // A dialog opened without a parent belongs to the main window all the
    // same: it stays above it and cannot be minimised away on its own,
    // leaving the blocked main window with no dialog in sight.
    const CWnd* pMain = AfxGetMainWnd();
    QWidget* owner = m_pParentWnd ? AfxWidget(m_pParentWnd->m_hWnd) : (pMain ? AfxWidget(pMain->m_hWnd) : nullptr);
    const Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (owner && owner->window() != dialog && dialog->parentWidget() != owner->window())
        dialog->setParent(owner->window(), flags);
    else
        dialog->setWindowFlags(flags);
    dialog->setModal(true);
    // Opened from the keyboard, it shows where the focus is from the start.
    if (owner && owner->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        dialog->setAttribute(Qt::WA_KeyboardFocusChange);
    dialog->show();
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    // Tied to the loop: a hook never runs once this call has returned.
    if (ModalHook())
        QTimer::singleShot(0, &loop, [this] {
            if (ModalHook() && m_bModalRunning)
                ModalHook()(this);
        });
    loop.exec(QEventLoop::DialogExec);
    m_bModalRunning = false;
    DestroyWindow();
    return m_nModalResult;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bModalRunning = false;
    if (auto* dialog = qobject_cast<QDialog*>(AfxWidget(m_hWnd)))
        dialog->done(nResult); // hides the dialog and ends its loop
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}
