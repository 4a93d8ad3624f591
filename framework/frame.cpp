#include "framework/frame.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>
#include <QShortcut>
#include <QToolButton>

#include "framework/app.h"
#include "framework/resources.h"
#include "framework/view.h"
#include "framework/window_p.h"
#include "framework/dlgunits.h"

namespace {

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

QString Text(LPCWSTR text)
{
    return QString::fromUtf16(text ? text : u"");
}

void SendCommand(HWND hFrame, UINT nID)
{
    ::SendMessage(hFrame, WM_COMMAND, MAKEWPARAM(WORD(nID), 0), 0);
}

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

} // namespace

// The bar at the bottom of the frame: the menu, the tool buttons and the
// close adornment, sending their commands to the frame.
class AfxCommandBar : public QWidget {
public:
    AfxCommandBar(QWidget* parent, HWND hFrame) : QWidget(parent), m_hFrame(hFrame)
    {
        const int unit = AfxIsVgaScreen() ? 2 : 1;
        setFixedHeight(26 * unit);
        setAutoFillBackground(true);
        QFont f = font();
        f.setPixelSize(12 * unit);
        setFont(f);
        m_layout = new QHBoxLayout(this);
        m_layout->setContentsMargins(2 * unit, 1 * unit, 2 * unit, 1 * unit);
        m_layout->setSpacing(1 * unit);
        m_layout->addStretch(1);
        m_iconSize = 16 * unit;
    }

    void AddMenu(const AFX_MENU* pMenu)
    {
        QToolButton* button = nullptr;
        QMenu* menu = nullptr;
        for (size_t i = 0; pMenu && i < pMenu->nItems; ++i) {
            const AFX_MENUITEM& item = pMenu->pItems[i];
            if (item.nLevel == 0) {
                button = new QToolButton(this);
                button->setText(Text(item.lpszText));
                button->setPopupMode(QToolButton::InstantPopup);
                button->setAutoRaise(true);
                button->setFocusPolicy(Qt::NoFocus);
                menu = new QMenu(button);
                button->setMenu(menu);
                Insert(button);
            } else if (menu && (item.nFlags & MF_SEPARATOR)) {
                menu->addSeparator();
            } else if (menu) {
                const UINT nID = item.nID;
                menu->addAction(Text(item.lpszText), [this, nID] { SendCommand(m_hFrame, nID); });
            }
        }
    }

    void AddButton(const QPixmap& image, UINT nID)
    {
        auto* button = new QToolButton(this);
        button->setIcon(QIcon(image));
        button->setIconSize(QSize(m_iconSize, m_iconSize));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setProperty("afxCommand", nID);
        connect(button, &QToolButton::clicked, this, [this, nID] { SendCommand(m_hFrame, nID); });
        Insert(button);
    }

    void AddSeparator() { m_layout->insertSpacing(m_layout->count() - 1, m_iconSize / 4); }

    void AddAdornment()
    {
        auto* close = new QToolButton(this);
        close->setText(QStringLiteral("×"));
        close->setToolTip(QStringLiteral("Закрыть"));
        close->setAutoRaise(true);
        close->setFocusPolicy(Qt::NoFocus);
        connect(close, &QToolButton::clicked, this, [this] { ::SendMessage(m_hFrame, WM_CLOSE, 0, 0); });
        m_layout->addWidget(close);
    }

private:
    void Insert(QWidget* w) { m_layout->insertWidget(m_layout->count() - 1, w); }

    HWND m_hFrame;
    QHBoxLayout* m_layout;
    int m_iconSize;
};

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
    m_pCommandBar->AddMenu(AfxFindMenu(m_nIDResource));
    if (const AFX_ACCELTABLE* accels = AfxFindAccelerators(m_nIDResource)) {
        for (size_t i = 0; i < accels->nAccels; ++i) {
            const AFX_ACCEL& a = accels->pAccels[i];
            const int key = QtKey(a.key);
            if (!key)
                continue;
            const int mods = ((a.fVirt & FCONTROL) ? int(Qt::CTRL) : 0) | ((a.fVirt & FSHIFT) ? int(Qt::SHIFT) : 0)
                | ((a.fVirt & FALT) ? int(Qt::ALT) : 0);
            auto* shortcut = new QShortcut(QKeySequence(mods | key), w);
            const UINT nID = a.cmd;
            HWND hFrame = m_hWnd;
            QObject::connect(shortcut, &QShortcut::activated, w, [hFrame, nID] {
                ::SendMessage(hFrame, WM_COMMAND, MAKEWPARAM(WORD(nID), 1), 0);
            });
        }
    }
    if (m_pCreateContext && m_pCreateContext->m_pNewViewClass) {
        auto* pView = dynamic_cast<CView*>(m_pCreateContext->m_pNewViewClass->CreateObject());
        if (!pView || !pView->Create(this, AFX_IDW_PANE_FIRST, m_pCreateContext)) {
            delete pView;
            return -1;
        }
        m_pViewActive = pView;
    }
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
    const QPixmap strip(QStringLiteral(":/bitmap/%1.png").arg(nBitmapID));
    if (strip.isNull())
        return FALSE;
    const int size = 16;
    const int unit = AfxIsVgaScreen() ? 2 : 1;
    for (UINT i = 0; i < nButtons; ++i) {
        const TBBUTTON& b = pButtons[i];
        if (b.fsStyle & TBSTYLE_SEP) {
            m_pCommandBar->AddSeparator();
            continue;
        }
        if (b.iBitmap < 0 || UINT(b.iBitmap) >= nImages || (b.iBitmap + 1) * size > strip.width())
            continue;
        const QPixmap image = strip.copy(b.iBitmap * size, 0, size, size);
        m_pCommandBar->AddButton(unit == 1 ? image : image.scaled(size * unit, size * unit), UINT(b.idCommand));
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
