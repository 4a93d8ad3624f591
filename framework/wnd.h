// Windows: the framework's CWnd over a toolkit widget, with messages,
// timers, texts, fonts and message boxes.
#pragma once

#include "framework/gdi.h"
#include "framework/msgmap.h"
#include "framework/string.h"

struct CREATESTRUCT {
    LPVOID lpCreateParams;
    HWND hwndParent;
    int cy, cx, y, x;
    DWORD style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};
using LPCREATESTRUCT = CREATESTRUCT*;

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

struct CCreateContext;

// Plain windows (frames, views) and dialogs; the controls' classes are
// named in their own headers.
inline constexpr WCHAR AFX_WNDCLASS_GENERIC[] = u"AfxWnd";
inline constexpr WCHAR AFX_WNDCLASS_DIALOG[] = u"#32770";

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL IsWindow(HWND hWnd);

// Screen position of the last mouse message: x in the low and y in the high
// word, each a signed 16-bit value.
DWORD GetMessagePos();
// Converts points from one window's client coordinates to another's; a
// null window is the screen. Returns the offset as the platform does.
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, POINT* lpPoints, UINT cPoints);

// Period in milliseconds of a running window timer, 0 when it is not running.
UINT AfxGetTimerElapse(HWND hWnd, UINT_PTR nIDEvent);

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    static CWnd* FromHandlePermanent(HWND hWnd);
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // A child window of the class; the context goes to WM_CREATE.
    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL DestroyWindow();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    CWnd* GetParent() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;

    // The name screen readers give the window, and what they read after it
    // (the description): from the string table, or as a text. A control
    // that shows a text is read as its name, a colon and the text.
    void SetAccessibleName(UINT nIDName, UINT nIDDescription = 0);
    void SetAccessibleName(LPCWSTR lpszName);
    // Gives the window the keyboard focus; returns the window that had it
    // when it is one of the program's.
    CWnd* SetFocus();

    void SetWindowText(LPCWSTR lpszString);
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow();
    void Invalidate(BOOL bErase = TRUE);

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Modal box owned by this window; returns the button pressed (IDOK, IDYES, ...).
    int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Entry of every message sent to the window.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called for a control's own notifications that its parent reflects
    // back; the default looks for a reflected entry in the control's map.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called once the window is gone; frames and views delete themselves here.
    virtual void PostNcDestroy() { }

protected:
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY from a child: reflected to the child first.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The default processing of the message being handled.
    LRESULT Default();

public:
    // Base behaviour of the handlers a message map may name.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    friend struct AfxWindowAccess;
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{0, 0, 0};
    bool* m_pbDeleted = nullptr; // set while a message is handled
    bool m_bTemporary = false;
    bool m_bOwnsWindow = false;
};

CWnd* AfxGetMainWnd();

// Whether an assistive technology (a screen reader) is listening.
BOOL AfxIsAccessibilityActive();

// Calls a window's OnCtlColor for a control's colour request; used by the
// message map entry.
template <typename T> LRESULT AfxCallCtlColor(T* pThis, WPARAM wParam, LPARAM lParam, UINT nCtlColor)
{
    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(wParam));
    CWnd* pControl = CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    const HBRUSH hBrush = pThis->OnCtlColor(&dc, pControl, nCtlColor);
    dc.Detach();
    return reinterpret_cast<LRESULT>(hBrush);
}
