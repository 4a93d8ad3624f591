// Inside of the framework: the record behind every window handle, the
// widget that carries it, and how a window class adds its own state and
// messages. Not for the program.
#pragma once

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

#include "framework/accessible_p.h"
#include "framework/gdi_p.h"
#include "framework/wnd.h"

class AfxWindow;
class QAbstractButton;
class QKeyEvent;

// What every window has, whatever its class. A class keeps its own state,
// its text among it, in its widget (AfxWindow below).
struct AfxWindowRecord {
    HWND hWnd = nullptr; // its handle, an entry of the window table
    QWidget* widget = nullptr;
    AfxWindow* window = nullptr;      // the same widget, as its window class
    CWnd* pWnd = nullptr;             // attached framework object, if any
    std::unique_ptr<CWnd> pTemporary; // wrapper handed out for unattached windows
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    HFONT font = nullptr;
    struct Timer {
        int qtId;
        UINT elapse;
    };
    std::map<UINT_PTR, Timer> timers;
    QPainter* painter = nullptr; // during the paint message
    bool destroyed = false;
};

// The one way from a handle to its window: the record of a live window, null
// for a null handle, a window destroyed or being destroyed, or a handle kept
// after a new window took its slot in the table.
AfxWindowRecord* AfxRecord(HWND hWnd);

// A window class: the widget behind a handle, holding the class's own state
// and answering the class's own messages before the handling every window
// shares (texts, fonts, closing). A control class brings its own interface
// for screen readers (NewAccessible).
class AfxWindow : public AfxAccessibleSource {
public:
    explicit AfxWindow(QWidget* widget);
    virtual ~AfxWindow();
    AfxWindow(const AfxWindow&) = delete;
    AfxWindow& operator=(const AfxWindow&) = delete;

    HWND Handle() const { return m_hwnd.hWnd; }
    AfxWindowRecord& Record() { return m_hwnd; }

    // The class's own handling; false leaves the message to the shared one.
    virtual bool ClassProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The client area, in the widget's coordinates.
    virtual QRect ClientArea() const;
    // The window text, given at creation and by WM_SETTEXT: the widget's
    // title (which top-level windows show), unless the class keeps its own.
    virtual QString Text() const;
    virtual void SetText(const QString& text);

protected:
    AfxWindowRecord m_hwnd;
};

// Border width of child windows with WS_BORDER: the client area lies inside
// it. Top-level windows get their frame from the window manager.
int AfxBorder(const AfxWindowRecord& r);

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

void AfxSaveSnapshotIfDue(QWidget* widget);

// The toolkit's widget of a window class, turning its events into messages:
// posted messages, paints, timers and the window manager's close button.
// Classes that the toolkit paints (item views, edit fields) override
// paintEvent once more, to the toolkit's.
template <typename Base> class AfxWindowWidget : public Base, public AfxWindow {
public:
    explicit AfxWindowWidget(QWidget* parent) : Base(parent), AfxWindow(this) { }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == AfxPostedMessage::Type()) {
            auto* posted = static_cast<AfxPostedMessage*>(e);
            ::SendMessage(m_hwnd.hWnd, posted->m_message, posted->m_wParam, posted->m_lParam);
            return true;
        }
        return Base::event(e);
    }

    void paintEvent(QPaintEvent*) override
    {
        if (m_hwnd.destroyed)
            return;
        QPainter painter(this);
        if (const int border = AfxBorder(m_hwnd)) {
            painter.fillRect(this->rect(), Qt::black);
            painter.translate(border, border);
            painter.setClipRect(0, 0, this->width() - 2 * border, this->height() - 2 * border);
        }
        m_hwnd.painter = &painter;
        ::SendMessage(m_hwnd.hWnd, WM_PAINT, 0, 0);
        m_hwnd.painter = nullptr;
        painter.end();
        AfxSaveSnapshotIfDue(this);
    }

    void timerEvent(QTimerEvent* e) override
    {
        for (const auto& [id, timer] : m_hwnd.timers)
            if (timer.qtId == e->timerId()) {
                ::SendMessage(m_hwnd.hWnd, WM_TIMER, id, 0);
                return;
            }
        Base::timerEvent(e);
    }

    void closeEvent(QCloseEvent* e) override
    {
        // The window manager's close button: the window decides through WM_CLOSE.
        e->ignore();
        if (!m_hwnd.destroyed)
            ::SendMessage(m_hwnd.hWnd, WM_CLOSE, 0, 0);
    }
};

// Window classes by name; each class's widget is made by its own file, and
// takes its creation text before any message. Unknown names make plain
// windows.
HWND AfxCreateWindowHandle(LPCWSTR lpszClassName, HWND hParent, DWORD style, DWORD exStyle, UINT nID, LPCWSTR lpszText);

// The class makers, one per file.
AfxWindow* AfxNewPlainWindow(QWidget* parent, DWORD style);
AfxWindow* AfxNewButton(QWidget* parent, DWORD style);
AfxWindow* AfxNewCheckBox(QWidget* parent, DWORD style);
AfxWindow* AfxNewStatic(QWidget* parent, DWORD style);
AfxWindow* AfxNewProgress(QWidget* parent, DWORD style);
AfxWindow* AfxNewListView(QWidget* parent, DWORD style);
AfxWindow* AfxNewDialog(QWidget* parent, DWORD style);
AfxWindow* AfxNewEdit(QWidget* parent, DWORD style);
AfxWindow* AfxNewTreeView(QWidget* parent, DWORD style);

// Buttons and check boxes tell their parent of a click (WM_COMMAND, BN_CLICKED).
void AfxSendClicksToParent(QAbstractButton* button);

// Return or Enter, the keys that press a button.
bool AfxIsEnterKey(const QKeyEvent* e);
// The keyboard focus mark of skinned controls: whether it shows, and the
// ring itself, two pixels wide just inside the rectangle.
bool AfxShowsFocus(const QWidget* w);
void AfxDrawFocusRing(QPainter& painter, const QRect& rect, const QColor& colour);

// Controls record where a mouse message happened, for GetMessagePos.
void AfxSetMessagePos(const QPoint& screen);

HWND AfxHandleOf(QWidget* widget);
QWidget* AfxWidget(HWND hWnd);

// The framework's own texts (command bars, bars without a font of their
// own) at 12 pixels, doubled on VGA screens like the dialog units.
QFont AfxScaledTextFont(QFont font);

// The context a control paints with: the paint in progress and the font the
// control was given, as the platform hands it over.
void AfxInitPaintContext(HDC__& dc, const AfxWindowRecord& r);

// Asks the parent for a control's colours (WM_CTLCOLORSTATIC) and fills the
// background as the answer says: null, the toolkit's own; the hollow brush,
// none. The context then carries the text colour and font to draw with.
void AfxPaintControlBackground(AfxWindowRecord& r, HDC__& dc);
