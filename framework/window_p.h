// Inside of the framework: the widget behind every window handle and the
// state the platform's window procedures keep. Not for the program.
#pragma once

#include <QAbstractButton>
#include <QEvent>
#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

#include "framework/wnd.h"

enum class AfxWindowKind { Generic, Button, Progress, Static, Dialog };

struct HFONT__ {
    LOGFONTW description;
    QFont font;
};

struct HRGN__ {
    QRegion region;
};

struct HBRUSH__ {
    bool hollow;
    QColor colour;
};

struct HDC__ {
    QPainter* painter = nullptr; // null for a memory context
    HBITMAP bitmap = nullptr;    // selected into a memory context
    HFONT font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
};

struct HWND__ {
    QWidget* widget = nullptr;
    CWnd* pWnd = nullptr;                 // attached framework object, if any
    std::unique_ptr<CWnd> pTemporary;     // wrapper handed out for unattached controls
    AfxWindowKind kind = AfxWindowKind::Generic;
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string text;
    HFONT font = nullptr;
    int lower = 0, upper = 100, pos = 0;  // progress bar state
    struct Timer {
        int qtId;
        UINT elapse;
    };
    std::map<UINT_PTR, Timer> timers;
    QPainter* painter = nullptr;          // during the paint message
    bool destroyed = false;
    int snapshotScreen = 0;
    bool painted = false;
    int stripHeight = 0; // a dialog's bar of frame buttons below its client area
};

// The toolkit's dialog behind a dialog handle.
class QDialog;
QDialog* AfxDialogWidget(HWND hWnd);

// Border width of child windows with WS_BORDER: the client area lies inside
// it. Top-level windows get their frame from the window manager.
inline int AfxBorder(const HWND__* h)
{
    return (h->style & WS_BORDER) && (h->style & WS_CHILD) ? 1 : 0;
}

// Every widget behind a window handle holds its handle.
class AfxHandleHolder {
public:
    virtual ~AfxHandleHolder() = default;
    virtual HWND__* Handle() = 0;
};
HWND AfxHandleOf(QWidget* widget);

// The kind of window a class name makes ("Button", "msctls_progress32", ...).
AfxWindowKind AfxKindOfClass(LPCWSTR lpszClassName);

HWND__* AfxCreateWindowHandle(AfxWindowKind kind, QWidget* parent, DWORD style, DWORD exStyle, UINT nID,
    LPCWSTR lpszText);
QWidget* AfxWidget(HWND hWnd);
QColor AfxColor(COLORREF c);

// Posted message carried through the toolkit's event queue.
class AfxPostedMessage : public QEvent {
public:
    AfxPostedMessage(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(Type()), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }
    static QEvent::Type Type();
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

void AfxSaveSnapshotIfDue(HWND hWnd);
