#include "framework/wnd.h"

#include <QApplication>
#include <QCoreApplication>

#include <vector>

#include "framework/app.h"
#include "framework/hwnd_p.h"
#include "framework/msgbox.h"

struct AfxWindowAccess {
    static void MarkTemporary(CWnd& wnd) { wnd.m_bTemporary = true; }
};

CWnd::~CWnd()
{
    if (m_pbDeleted)
        *m_pbDeleted = true;
    if (m_bTemporary || !m_hWnd)
        return;
    // An object that goes away before its window takes the window with it,
    // except for controls it only borrowed from a template.
    AfxWindowRecord* r = AfxRecord(m_hWnd);
    if (r && r->pWnd == this) {
        r->pWnd = nullptr;
        if (m_bOwnsWindow) {
            r->destroyed = true;
            r->widget->hide();
            r->widget->deleteLater();
        }
    }
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const AfxWindowRecord* r = AfxRecord(hWnd);
    return r ? r->pWnd : nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    CREATESTRUCT cs{lpParam, pParentWnd ? pParentWnd->m_hWnd : nullptr, rect.bottom - rect.top, rect.right - rect.left,
        rect.top, rect.left, dwStyle, lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs))
        return FALSE;
    // The name is the window's creation text: a top-level window's title.
    HWND h = AfxCreateWindowHandle(cs.lpszClass, cs.hwndParent, cs.style, cs.dwExStyle, nID, cs.lpszName);
    AfxWindowRecord* r = AfxRecord(h);
    r->widget->setGeometry(cs.x, cs.y, cs.cx, cs.cy);
    r->pWnd = this;
    m_hWnd = h;
    m_bOwnsWindow = true;
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (QWidget* w = AfxWidget(h); w && (cs.style & WS_VISIBLE))
        w->show();
    return TRUE;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

namespace {

void CollectTree(QWidget* w, std::vector<AfxWindowRecord*>& out)
{
    // Children first: they are gone before their parent.
    for (QObject* o : w->children())
        if (auto* child = qobject_cast<QWidget*>(o))
            CollectTree(child, out);
    if (AfxWindowRecord* r = AfxRecord(AfxHandleOf(w)))
        out.push_back(r);
}

} // namespace

BOOL CWnd::DestroyWindow()
{
    HWND h = m_hWnd;
    QWidget* top = AfxWidget(h);
    if (!top)
        return FALSE;
    std::vector<AfxWindowRecord*> tree;
    CollectTree(top, tree);
    // WM_DESTROY goes to the window first, then to its children.
    for (auto it = tree.rbegin(); it != tree.rend(); ++it)
        ::SendMessage((*it)->hWnd, WM_DESTROY, 0, 0);
    for (AfxWindowRecord* w : tree) {
        for (const auto& [id, timer] : w->timers)
            w->widget->killTimer(timer.qtId);
        w->timers.clear();
        w->destroyed = true;
    }
    top->hide();
    top->deleteLater();
    if (CWnd* pMain = AfxGetMainWnd(); pMain && pMain->m_hWnd == h) {
        // The main window's end is the program's end.
        AfxGetApp()->m_pMainWnd = nullptr;
        AfxGetApp()->PostQuitMessage(0);
    }
    // Detach every object, then let each clean up; this object may delete itself last.
    std::vector<CWnd*> owners;
    for (AfxWindowRecord* w : tree) {
        if (CWnd* p = w->pWnd) {
            p->m_hWnd = nullptr;
            w->pWnd = nullptr;
            owners.push_back(p);
        }
    }
    for (CWnd* p : owners)
        p->PostNcDestroy();
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    AfxWindowRecord* r = AfxRecord(hWnd);
    if (!r || r->pWnd || m_hWnd)
        return FALSE;
    r->pWnd = this;
    m_hWnd = hWnd;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    CWnd* pItem = pParent ? pParent->GetDlgItem(int(nID)) : nullptr;
    return pItem && SubclassWindow(pItem->m_hWnd);
}

namespace {

// The object standing for a window that none is attached to.
CWnd* TemporaryFor(AfxWindowRecord& r)
{
    if (r.pWnd)
        return r.pWnd;
    if (!r.pTemporary) {
        r.pTemporary = std::make_unique<CWnd>();
        r.pTemporary->m_hWnd = r.hWnd;
        AfxWindowAccess::MarkTemporary(*r.pTemporary);
    }
    return r.pTemporary.get();
}

} // namespace

CWnd* CWnd::GetParent() const
{
    QWidget* w = AfxWidget(m_hWnd);
    AfxWindowRecord* parent = (w && !w->isWindow()) ? AfxRecord(AfxHandleOf(w->parentWidget())) : nullptr;
    return parent ? TemporaryFor(*parent) : nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    QWidget* w = AfxWidget(m_hWnd);
    if (!w)
        return nullptr;
    for (QObject* o : w->children()) {
        AfxWindowRecord* child = AfxRecord(AfxHandleOf(qobject_cast<QWidget*>(o)));
        if (child && child->id == UINT(nID))
            return TemporaryFor(*child);
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    const AfxWindowRecord* r = AfxRecord(m_hWnd);
    return r ? int(r->id) : 0;
}

DWORD CWnd::GetStyle() const
{
    const AfxWindowRecord* r = AfxRecord(m_hWnd);
    return r ? r->style : 0;
}

CWnd* CWnd::SetFocus()
{
    HWND hPrevious = AfxHandleOf(QApplication::focusWidget());
    if (QWidget* w = AfxWidget(m_hWnd))
        w->setFocus(Qt::OtherFocusReason);
    return FromHandlePermanent(hPrevious);
}

void CWnd::SetWindowText(LPCWSTR lpszString)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString));
}

int CWnd::GetWindowTextLength() const
{
    return int(::SendMessage(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
}

void CWnd::GetWindowText(CString& rString) const
{
    const int n = GetWindowTextLength();
    std::u16string buffer(size_t(n) + 1, u'\0');
    const auto copied = ::SendMessage(
        m_hWnd, WM_GETTEXT, WPARAM(buffer.size()), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(size_t(copied > 0 ? copied : 0));
    rString = CString(std::move(buffer));
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    const AfxWindowRecord* r = AfxRecord(m_hWnd);
    const QSize size = r ? r->window->ClientArea().size() : QSize(0, 0);
    *lpRect = RECT{0, 0, size.width(), size.height()};
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    QWidget* w = AfxWidget(m_hWnd);
    if (!w) {
        *lpRect = RECT{0, 0, 0, 0};
        return;
    }
    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    *lpRect = RECT{origin.x(), origin.y(), origin.x() + w->width(), origin.y() + w->height()};
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    const AfxWindowRecord* r = AfxRecord(m_hWnd);
    if (!r)
        return;
    const int border = AfxBorder(*r);
    const QPoint origin = r->widget->mapToGlobal(QPoint(border, border));
    *lpRect = RECT{
        lpRect->left - origin.x(), lpRect->top - origin.y(), lpRect->right - origin.x(), lpRect->bottom - origin.y()};
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    if (QWidget* w = AfxWidget(m_hWnd)) {
        w->setGeometry(x, y, nWidth, nHeight);
        if (bRepaint)
            w->update();
    }
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    QWidget* w = AfxWidget(m_hWnd);
    if (!w)
        return FALSE;
    const BOOL wasVisible = w->isVisible();
    w->setVisible(nCmdShow != SW_HIDE);
    return wasVisible;
}

void CWnd::UpdateWindow()
{
    if (QWidget* w = AfxWidget(m_hWnd); w && w->isVisible())
        w->repaint();
}

void CWnd::Invalidate(BOOL)
{
    if (QWidget* w = AfxWidget(m_hWnd))
        w->update();
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC)
{
    AfxWindowRecord* r = AfxRecord(m_hWnd);
    if (!r || nIDEvent == 0)
        return 0;
    KillTimer(nIDEvent);
    const int qtId = r->widget->startTimer(std::chrono::milliseconds(nElapse), Qt::PreciseTimer);
    if (!qtId)
        return 0;
    r->timers[nIDEvent] = AfxWindowRecord::Timer{qtId, nElapse};
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    AfxWindowRecord* r = AfxRecord(m_hWnd);
    if (!r)
        return FALSE;
    const auto it = r->timers.find(nIDEvent);
    if (it == r->timers.end())
        return FALSE;
    r->widget->killTimer(it->second.qtId);
    r->timers.erase(it);
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage saved = m_current;
    bool* const outerDeleted = m_pbDeleted;
    bool deleted = false;
    m_current = CurrentMessage{message, wParam, lParam};
    m_pbDeleted = &deleted;
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result) && !deleted)
        result = DefWindowProc(message, wParam, lParam);
    // A handler may have destroyed and deleted this object: touch nothing then.
    if (deleted) {
        if (outerDeleted)
            *outerDeleted = true;
        return result;
    }
    m_current = saved;
    m_pbDeleted = outerDeleted;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, pResult);
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!e)
        return FALSE;
    *pResult = e->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Menus and accelerators carry no control: their code counts as a command.
    const int nCode = lParam ? int(HIWORD(wParam)) : int(CN_COMMAND);
    return OnCmdMsg(LOWORD(wParam), nCode);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    CWnd* pChild = pNMHDR ? FromHandlePermanent(pNMHDR->hwndFrom) : nullptr;
    return pChild && pChild->OnChildNotify(WM_NOTIFY, WPARAM(pNMHDR->idFrom), lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NOTIFY || !lParam)
        return FALSE;
    const UINT nCode = reinterpret_cast<const NMHDR*>(lParam)->code;
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_NOTIFY, nCode, 0);
    if (!e)
        return FALSE;
    const LRESULT result = e->pfn(this, 0, lParam);
    if (pResult)
        *pResult = result;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return int(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}
