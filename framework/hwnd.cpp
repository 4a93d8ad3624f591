// Window handles: the live windows, sending and posting messages, the
// handling every window shares, and the table of window classes.
#include <QCoreApplication>

#include <algorithm>

#include "framework/button.h"
#include "framework/edit.h"
#include "framework/hwnd_p.h"
#include "framework/listview.h"
#include "framework/progress.h"
#include "framework/static.h"
#include "framework/treeview.h"
#include "platform/handle_table_p.h"

QEvent::Type AfxPostedMessage::Type()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

namespace {

// The windows whose widgets exist, by handle.
HandleTable<AfxWindowRecord*>& Windows()
{
    static HandleTable<AfxWindowRecord*> table;
    return table;
}

struct AfxWindowClass {
    std::u16string_view name;
    AfxWindow* (*create)(QWidget* parent, DWORD style);
};

const AfxWindowClass kClasses[] = {
    {AFX_WNDCLASS_BUTTON, &AfxNewButton},
    {AFX_WNDCLASS_STATIC, &AfxNewStatic},
    {AFX_WNDCLASS_PROGRESS, &AfxNewProgress},
    {AFX_WNDCLASS_LISTVIEW, &AfxNewListView},
    {AFX_WNDCLASS_DIALOG, &AfxNewDialog},
    {AFX_WNDCLASS_EDIT, &AfxNewEdit},
    {AFX_WNDCLASS_TREEVIEW, &AfxNewTreeView},
};

} // namespace

AfxWindow::AfxWindow(QWidget* widget)
{
    m_hwnd.widget = widget;
    m_hwnd.window = this;
    m_hwnd.hWnd = reinterpret_cast<HWND>(Windows().Add(&m_hwnd));
    AfxInstallAccessibleFactory();
}

AfxWindow::~AfxWindow()
{
    Windows().Remove(reinterpret_cast<UINT_PTR>(m_hwnd.hWnd));
    m_hwnd.destroyed = true;
}

bool AfxWindow::ClassProc(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

QRect AfxWindow::ClientArea() const
{
    const int border = AfxBorder(m_hwnd);
    return m_hwnd.widget->rect().adjusted(border, border, -border, -border);
}

QString AfxWindow::Text() const
{
    return m_hwnd.widget->windowTitle();
}

void AfxWindow::SetText(const QString& text)
{
    m_hwnd.widget->setWindowTitle(text);
    m_hwnd.widget->update();
}

int AfxBorder(const AfxWindowRecord& r)
{
    return (r.style & WS_BORDER) && (r.style & WS_CHILD) ? 1 : 0;
}

AfxWindow* AfxNewPlainWindow(QWidget* parent, DWORD)
{
    return new AfxWindowWidget<QWidget>(parent);
}

HWND AfxCreateWindowHandle(LPCWSTR lpszClassName, HWND hParent, DWORD style, DWORD exStyle, UINT nID, LPCWSTR lpszText)
{
    const std::u16string_view name = lpszClassName ? lpszClassName : u"";
    const auto* cls = std::find_if(
        std::begin(kClasses), std::end(kClasses), [&](const AfxWindowClass& c) { return c.name == name; });
    QWidget* parent = AfxWidget(hParent);
    AfxWindow* window = cls != std::end(kClasses) ? cls->create(parent, style) : AfxNewPlainWindow(parent, style);
    AfxWindowRecord& r = window->Record();
    r.style = style;
    r.exStyle = exStyle;
    r.id = nID;
    r.widget->setEnabled(!(style & WS_DISABLED));
    window->SetText(QString::fromUtf16(lpszText ? lpszText : u""));
    return r.hWnd;
}

HWND AfxHandleOf(QWidget* widget)
{
    auto* window = dynamic_cast<AfxWindow*>(widget);
    return window ? window->Handle() : nullptr;
}

AfxWindowRecord* AfxRecord(HWND hWnd)
{
    AfxWindowRecord* r = Windows().Find(reinterpret_cast<UINT_PTR>(hWnd));
    return r && !r->destroyed ? r : nullptr;
}

QWidget* AfxWidget(HWND hWnd)
{
    const AfxWindowRecord* r = AfxRecord(hWnd);
    return r ? r->widget : nullptr;
}

BOOL IsWindow(HWND hWnd)
{
    return AfxRecord(hWnd) != nullptr;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const AfxWindowRecord* r = AfxRecord(hWnd);
    if (!r)
        return 0;
    if (r->pWnd)
        return r->pWnd->WindowProc(message, wParam, lParam);
    return DefWindowProc(hWnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    QWidget* w = AfxWidget(hWnd);
    if (!w)
        return FALSE;
    QCoreApplication::postEvent(w, new AfxPostedMessage(message, wParam, lParam));
    return TRUE;
}

namespace {
QPoint g_messagePos;
}

void AfxSetMessagePos(const QPoint& screen)
{
    g_messagePos = screen;
}

DWORD GetMessagePos()
{
    return DWORD(MAKELPARAM(WORD(short(g_messagePos.x())), WORD(short(g_messagePos.y()))));
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, POINT* lpPoints, UINT cPoints)
{
    // Client origins on the screen; the screen's own is 0, 0.
    const auto origin = [](HWND h) {
        const AfxWindowRecord* r = AfxRecord(h);
        return r ? r->widget->mapToGlobal(r->window->ClientArea().topLeft()) : QPoint(0, 0);
    };
    const QPoint offset = origin(hWndFrom) - origin(hWndTo);
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += offset.x();
        lpPoints[i].y += offset.y();
    }
    return int(MAKELPARAM(WORD(short(offset.x())), WORD(short(offset.y()))));
}

UINT AfxGetTimerElapse(HWND hWnd, UINT_PTR nIDEvent)
{
    const AfxWindowRecord* r = AfxRecord(hWnd);
    if (!r)
        return 0;
    const auto it = r->timers.find(nIDEvent);
    return it == r->timers.end() ? 0 : it->second.elapse;
}

void AfxInitPaintContext(HDC__& dc, const AfxWindowRecord& r)
{
    dc.painter = r.painter;
    dc.font = r.font;
    if (dc.font && dc.painter)
        dc.painter->setFont(dc.font->font);
}

void AfxPaintControlBackground(AfxWindowRecord& r, HDC__& dc)
{
    AfxInitPaintContext(dc, r);
    dc.textColor = 0x000000;
    HWND parent = AfxHandleOf(r.widget->parentWidget());
    const auto hBrush = reinterpret_cast<HBRUSH>(
        ::SendMessage(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(r.hWnd)));
    const QRect rect = r.window->ClientArea().translated(-AfxBorder(r), -AfxBorder(r));
    if (!hBrush)
        dc.painter->fillRect(rect, r.widget->palette().window());
    else if (!hBrush->hollow)
        dc.painter->fillRect(rect, hBrush->colour);
    if (dc.font)
        dc.painter->setFont(dc.font->font);
    dc.painter->setPen(AfxColor(dc.textColor));
}

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AfxWindowRecord* r = AfxRecord(hWnd);
    if (!r)
        return 0;
    LRESULT result = 0;
    if (r->window->ClassProc(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_SETTEXT: {
        const QString text = QString::fromUtf16(lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"");
        const bool changed = text != r->window->Text();
        r->window->SetText(text);
        // A control is read with its text: a new text is a new name.
        if (changed)
            AfxNotifyNameChanged(r->widget);
        return TRUE;
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(r->window->Text().size());
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!buffer || wParam == 0)
            return 0;
        const QString text = r->window->Text();
        const size_t n = std::min<size_t>(size_t(text.size()), size_t(wParam) - 1);
        std::copy_n(reinterpret_cast<const WCHAR*>(text.utf16()), n, buffer);
        buffer[n] = 0;
        return LRESULT(n);
    }
    case WM_SETFONT:
        r->font = reinterpret_cast<HFONT>(wParam);
        if (lParam)
            r->widget->update();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(r->font);
    case WM_CLOSE:
        if (r->pWnd)
            r->pWnd->DestroyWindow();
        return 0;
    default:
        return 0;
    }
}
