// Window handles: the live windows, sending and posting messages, the
// handling every window shares, and the table of window classes.
#include <QCoreApplication>

#include <algorithm>
#include <unordered_set>

#include "framework/button.h"
#include "framework/edit.h"
#include "framework/hwnd_p.h"
#include "framework/listview.h"
#include "framework/progress.h"
#include "framework/static.h"
#include "framework/treeview.h"

QEvent::Type AfxPostedMessage::Type()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

namespace {

// Handles of windows whose widgets exist. A handle kept past its window's
// end is checked here before anything reads it, as the platform's handles are.
std::unordered_set<const HWND__*>& LiveHandles()
{
    static std::unordered_set<const HWND__*> handles;
    return handles;
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
    LiveHandles().insert(&m_hwnd);
    AfxInstallAccessibleFactory();
}

AfxWindow::~AfxWindow()
{
    LiveHandles().erase(&m_hwnd);
    m_hwnd.destroyed = true;
    m_hwnd.widget = nullptr;
    m_hwnd.window = nullptr;
}

bool AfxWindow::ClassProc(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

QRect AfxWindow::ClientArea() const
{
    const int border = AfxBorder(&m_hwnd);
    return m_hwnd.widget->rect().adjusted(border, border, -border, -border);
}

int AfxBorder(const HWND__* h)
{
    return (h->style & WS_BORDER) && (h->style & WS_CHILD) ? 1 : 0;
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
    HWND h = window->Handle();
    h->style = style;
    h->exStyle = exStyle;
    h->id = nID;
    h->text = lpszText ? lpszText : u"";
    h->widget->setEnabled(!(style & WS_DISABLED));
    return h;
}

HWND AfxHandleOf(QWidget* widget)
{
    auto* window = dynamic_cast<AfxWindow*>(widget);
    return window ? window->Handle() : nullptr;
}

QWidget* AfxWidget(HWND hWnd)
{
    return (hWnd && LiveHandles().count(hWnd) && !hWnd->destroyed) ? hWnd->widget : nullptr;
}

BOOL IsWindow(HWND hWnd)
{
    return AfxWidget(hWnd) != nullptr;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd))
        return 0;
    if (hWnd->pWnd)
        return hWnd->pWnd->WindowProc(message, wParam, lParam);
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
        QWidget* w = AfxWidget(h);
        return w ? w->mapToGlobal(h->window->ClientArea().topLeft()) : QPoint(0, 0);
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
    if (!IsWindow(hWnd))
        return 0;
    const auto it = hWnd->timers.find(nIDEvent);
    return it == hWnd->timers.end() ? 0 : it->second.elapse;
}

void AfxInitPaintContext(HDC__& dc, HWND hWnd)
{
    dc.painter = hWnd->painter;
    dc.font = hWnd->font;
    if (dc.font && dc.painter)
        dc.painter->setFont(dc.font->font);
}

void AfxPaintControlBackground(HWND hWnd, HDC__& dc)
{
    AfxInitPaintContext(dc, hWnd);
    dc.textColor = 0x000000;
    HWND parent = AfxHandleOf(hWnd->widget->parentWidget());
    const auto hBrush = reinterpret_cast<HBRUSH>(
        ::SendMessage(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(hWnd)));
    const QRect rect = hWnd->window->ClientArea().translated(-AfxBorder(hWnd), -AfxBorder(hWnd));
    if (!hBrush)
        dc.painter->fillRect(rect, hWnd->widget->palette().window());
    else if (!hBrush->hollow)
        dc.painter->fillRect(rect, hBrush->colour);
    if (dc.font)
        dc.painter->setFont(dc.font->font);
    dc.painter->setPen(AfxColor(dc.textColor));
}

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd))
        return 0;
    LRESULT result = 0;
    if (hWnd->window->ClassProc(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_SETTEXT: {
        const std::u16string_view text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        const bool changed = text != hWnd->text;
        hWnd->text = text;
        hWnd->widget->update();
        // A control is read with its text: a new text is a new name.
        if (changed)
            AfxNotifyNameChanged(hWnd->widget);
        return TRUE;
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(hWnd->text.size());
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!buffer || wParam == 0)
            return 0;
        const size_t n = std::min<size_t>(hWnd->text.size(), size_t(wParam) - 1);
        std::copy_n(hWnd->text.begin(), n, buffer);
        buffer[n] = 0;
        return LRESULT(n);
    }
    case WM_SETFONT:
        hWnd->font = reinterpret_cast<HFONT>(wParam);
        if (lParam)
            hWnd->widget->update();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(hWnd->font);
    case WM_CLOSE:
        if (hWnd->pWnd)
            hWnd->pWnd->DestroyWindow();
        return 0;
    default:
        return 0;
    }
}
