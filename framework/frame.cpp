#include "framework/frame.h"

#include <QApplication>
#include <QKeySequence>
#include <QPixmap>
#include <QShortcut>

#include "framework/app.h"
#include "framework/commandbar_p.h"
#include "framework/gdi_p.h"
#include "framework/hwnd_p.h"
#include "framework/resources.h"
#include "framework/view.h"

namespace {

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

int QtKey(WORD vk)
{
    switch (vk) {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_INSERT:
        return Qt::Key_Insert;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_F6:
        return Qt::Key_F6;
    default:
        return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') ? int(vk) : 0;
    }
}

// Tells the frame's view of every key and pointer event in the frame's
// window and the windows it owns (its menu, its dialogs).
class AfxActivityFilter : public QObject {
public:
    explicit AfxActivityFilter(QWidget* frame) : QObject(frame), m_frame(frame) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            if (Owned(qobject_cast<QWidget*>(watched)))
                // The frame object is gone before its widget: asked each time.
                if (auto* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(AfxHandleOf(m_frame))))
                    if (CView* pView = pFrame->GetActiveView())
                        pView->SendMessage(WM_USERACTIVITY, 0, 0);
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool Owned(const QWidget* w) const
    {
        for (; w; w = w->parentWidget())
            if (w == m_frame)
                return true;
        return false;
    }

    QWidget* m_frame;
};

} // namespace

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    m_pCreateContext = pContext;
    // The window title is the first field of the template string.
    CString title;
    title.LoadString(nIDResource);
    const int newline = title.Find(u'\n');
    if (newline >= 0)
        title = title.Left(newline);
    const BOOL ok = CreateEx(0, AFX_WNDCLASS_GENERIC, title, WS_CAPTION | WS_SYSMENU, RECT{0, 0, 0, 0}, pParentWnd, 0);
    m_pCreateContext = nullptr;
    return ok;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT)
{
    QWidget* w = AfxWidget(m_hWnd);
    m_pCommandBar = new AfxCommandBar(w, m_hWnd);
    new AfxActivityFilter(w);
    if (const AFX_ACCELTABLE* accels = AfxFindAccelerators(m_nIDResource)) {
        for (size_t i = 0; i < accels->nAccels; ++i) {
            const AFX_ACCEL& a = accels->pAccels[i];
            const int key = QtKey(a.key);
            if (!key)
                continue;
            const int mods = ((a.fVirt & FCONTROL) ? int(Qt::CTRL) : 0) | ((a.fVirt & FSHIFT) ? int(Qt::SHIFT) : 0) |
                ((a.fVirt & FALT) ? int(Qt::ALT) : 0);
            auto* shortcut = new QShortcut(QKeySequence(mods | key), w);
            const UINT nID = a.cmd;
            HWND hFrame = m_hWnd;
            QObject::connect(shortcut, &QShortcut::activated, w,
                [hFrame, nID] { ::SendMessage(hFrame, WM_COMMAND, MAKEWPARAM(WORD(nID), 1), 0); });
        }
    }
    if (m_pCreateContext && m_pCreateContext->m_pNewViewClass) {
        auto* pView = dynamic_cast<CView*>(m_pCreateContext->m_pNewViewClass->CreateObject());
        if (!pView ||
            !pView->Create(AFX_WNDCLASS_GENERIC, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 0, 0}, this,
                AFX_IDW_PANE_FIRST, m_pCreateContext)) {
            delete pView;
            return -1;
        }
        m_pViewActive = pView;
    }
    // Made after the view's controls, the bar's buttons follow them in the
    // order Tab takes, as the bar stands below them.
    m_pCommandBar->AddMenu(AfxFindMenu(m_nIDResource));
    RecalcLayout();
    return 0;
}

void CFrameWnd::RecalcLayout()
{
    QWidget* w = AfxWidget(m_hWnd);
    QWidget* view = m_pViewActive ? AfxWidget(m_pViewActive->m_hWnd) : nullptr;
    if (!w || !m_pCommandBar)
        return;
    // The window takes the size of the form, with the command bar below it.
    const QSize client = view ? view->size() : QSize(240, 0);
    const int bar = m_pCommandBar->height();
    if (view)
        view->move(0, 0);
    m_pCommandBar->setGeometry(0, client.height(), client.width(), bar);
    w->setFixedSize(client.width(), client.height() + bar);
}

BOOL CFrameWnd::InsertButtons(const TBBUTTON* pButtons, UINT nButtons, UINT nBitmapID, UINT nImages)
{
    if (!m_pCommandBar || !pButtons)
        return FALSE;
    const QPixmap strip = QPixmap::fromImage(AfxLoadResourceImage(QStringLiteral(":/bitmap/%1.png").arg(nBitmapID)));
    if (strip.isNull())
        return FALSE;
    const int size = 16; // the strip's images
    const int side = AfxCommandBar::IconSize();
    for (UINT i = 0; i < nButtons; ++i) {
        const TBBUTTON& b = pButtons[i];
        if (b.fsStyle & TBSTYLE_SEP) {
            m_pCommandBar->AddSeparator();
            continue;
        }
        if (b.iBitmap < 0 || UINT(b.iBitmap) >= nImages || (b.iBitmap + 1) * size > strip.width())
            continue;
        const QPixmap image = strip.copy(b.iBitmap * size, 0, size, size);
        m_pCommandBar->AddButton(side == size ? image : image.scaled(side, side), UINT(b.idCommand));
    }
    return TRUE;
}

BOOL CFrameWnd::AddAdornments(DWORD)
{
    if (!m_pCommandBar)
        return FALSE;
    m_pCommandBar->AddAdornment();
    return TRUE;
}

void CFrameWnd::InitialUpdateFrame(CDocument*)
{
    if (m_pViewActive)
        m_pViewActive->OnInitialUpdate();
    RecalcLayout();
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode)
{
    // The frame's own handlers, then the active view's, then the application's.
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode);
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy()
{
    m_pViewActive = nullptr;
    delete this;
}
