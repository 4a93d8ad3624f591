#include "framework/dialog.h"

#include <QDialog>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include "framework/dlgunits.h"
#include "framework/resources.h"
#include "framework/window_p.h"

namespace {

AFX_MODAL_HOOK& ModalHook()
{
    static AFX_MODAL_HOOK hook;
    return hook;
}

// The caption's OK button, on the desktop a bar below the client area.
QWidget* CreateOkStrip(HWND hDialog, int width, int top)
{
    const int unit = AfxIsVgaScreen() ? 2 : 1;
    auto* strip = new QWidget(hDialog->widget);
    strip->setAutoFillBackground(true);
    strip->setGeometry(0, top, width, 26 * unit);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(2 * unit, 1 * unit, 2 * unit, 1 * unit);
    layout->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), strip);
    ok->setFocusPolicy(Qt::NoFocus);
    QFont f = ok->font();
    f.setPixelSize(12 * unit);
    ok->setFont(f);
    QObject::connect(ok, &QPushButton::clicked, strip,
        [hDialog] { ::SendMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    layout->addWidget(ok);
    return strip;
}

} // namespace

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
    QWidget* parent = m_pParentWnd ? AfxWidget(m_pParentWnd->m_hWnd) : nullptr;
    HWND h = AfxCreateWindowHandle(AfxWindowKind::Dialog, parent, pTemplate->dwStyle, pTemplate->dwExStyle, 0,
        pTemplate->lpszTitle);
    h->widget->setWindowTitle(QString::fromUtf16(pTemplate->lpszTitle ? pTemplate->lpszTitle : u""));
    const RECT client = AfxMapDialogRect(0, 0, pTemplate->cx, pTemplate->cy);
    int height = client.bottom;
    if (pTemplate->dwExStyle & WS_EX_CAPTIONOKBTN) {
        const QWidget* strip = CreateOkStrip(h, client.right, client.bottom);
        h->stripHeight = strip->height();
        height += h->stripHeight;
    }
    h->widget->setFixedSize(client.right, height);
    h->pWnd = this;
    m_hWnd = h;
    AfxCreateTemplateControls(this, pTemplate);
    return TRUE;
}

LONG_PTR CDialog::DoModal()
{
    if (!CreateFromTemplate())
        return -1;
    m_nModalResult = IDCANCEL;
    const HWND h = m_hWnd;
    if (OnInitDialog()) {
        // Focus goes to the first control that takes it.
        if (QWidget* first = h->widget->nextInFocusChain(); first && first != h->widget)
            first->setFocus();
    }
    QDialog* dialog = AfxDialogWidget(h);
    dialog->setModal(true);
    dialog->show();
    m_bModalRunning = true;
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    // Tied to the loop: a hook never runs once this call has returned.
    if (ModalHook())
        QTimer::singleShot(0, &loop, [this] {
            if (ModalHook() && m_bModalRunning)
                ModalHook()(this);
        });
    if (m_bModalRunning)
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
    if (QDialog* dialog = AfxDialogWidget(m_hWnd))
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
