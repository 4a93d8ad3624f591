// The widgets behind window handles and the platform's default window
// procedures (texts, fonts, progress range and position, owner drawing).
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QStyleOptionButton>
#include <QPaintEvent>
#include <QTimerEvent>

#include <algorithm>
#include <unordered_set>

#include "framework/window_p.h"

QEvent::Type AfxPostedMessage::Type()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

QColor AfxColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

namespace {

// Handles of windows whose widgets exist. A handle kept past its window's
// end is checked here before anything reads it, as the platform's handles are.
std::unordered_set<const HWND__*>& LiveHandles()
{
    static std::unordered_set<const HWND__*> handles;
    return handles;
}

template <typename Base>
class AfxWindowWidget : public Base, public AfxHandleHolder {
public:
    explicit AfxWindowWidget(QWidget* parent) : Base(parent)
    {
        m_hwnd.widget = this;
        LiveHandles().insert(&m_hwnd);
    }
    ~AfxWindowWidget() override
    {
        LiveHandles().erase(&m_hwnd);
        m_hwnd.destroyed = true;
        m_hwnd.widget = nullptr;
    }
    HWND__* Handle() override { return &m_hwnd; }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == AfxPostedMessage::Type()) {
            auto* posted = static_cast<AfxPostedMessage*>(e);
            ::SendMessage(&m_hwnd, posted->m_message, posted->m_wParam, posted->m_lParam);
            return true;
        }
        return Base::event(e);
    }

    void paintEvent(QPaintEvent*) override
    {
        if (m_hwnd.destroyed)
            return;
        QPainter painter(this);
        const int border = AfxBorder(&m_hwnd);
        if (border) {
            painter.fillRect(this->rect(), Qt::black);
            painter.translate(border, border);
            painter.setClipRect(0, 0, this->width() - 2 * border, this->height() - 2 * border);
        }
        m_hwnd.painter = &painter;
        ::SendMessage(&m_hwnd, WM_PAINT, 0, 0);
        m_hwnd.painter = nullptr;
        if (!m_hwnd.painted) {
            m_hwnd.painted = true;
            AfxSaveSnapshotIfDue(&m_hwnd);
        }
    }

    void timerEvent(QTimerEvent* e) override
    {
        for (const auto& [id, timer] : m_hwnd.timers)
            if (timer.qtId == e->timerId()) {
                ::SendMessage(&m_hwnd, WM_TIMER, id, 0);
                return;
            }
        Base::timerEvent(e);
    }

    void closeEvent(QCloseEvent* e) override
    {
        // The window manager's close button: the window decides through WM_CLOSE.
        e->ignore();
        if (!m_hwnd.destroyed)
            ::SendMessage(&m_hwnd, WM_CLOSE, 0, 0);
    }

private:
    HWND__ m_hwnd;
};

// Dialogs: Escape, Enter and the window's close button become the platform's
// cancel and OK commands.
class AfxDialog : public AfxWindowWidget<QDialog> {
public:
    explicit AfxDialog(QWidget* parent) : AfxWindowWidget<QDialog>(parent) {}
    void accept() override { ::SendMessage(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); }
    void reject() override { ::SendMessage(Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); }
};

class AfxButtonWidget : public AfxWindowWidget<QAbstractButton> {
public:
    explicit AfxButtonWidget(QWidget* parent) : AfxWindowWidget<QAbstractButton>(parent)
    {
        QObject::connect(this, &QAbstractButton::clicked, this, [this] {
            HWND__* h = Handle();
            if (h->destroyed || !parentWidget())
                return;
            if (HWND parent = AfxHandleOf(parentWidget()))
                ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(h->id), BN_CLICKED), reinterpret_cast<LPARAM>(h));
        });
    }
};

} // namespace

AfxWindowKind AfxKindOfClass(LPCWSTR lpszClassName)
{
    const std::u16string_view name = lpszClassName ? lpszClassName : u"";
    if (name == AFX_WNDCLASS_BUTTON)
        return AfxWindowKind::Button;
    if (name == AFX_WNDCLASS_PROGRESS)
        return AfxWindowKind::Progress;
    if (name == AFX_WNDCLASS_STATIC)
        return AfxWindowKind::Static;
    return AfxWindowKind::Generic;
}

HWND__* AfxCreateWindowHandle(AfxWindowKind kind, QWidget* parent, DWORD style, DWORD exStyle, UINT nID,
    LPCWSTR lpszText)
{
    HWND__* h = nullptr;
    if (kind == AfxWindowKind::Button) {
        auto* w = new AfxButtonWidget(parent);
        w->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
        w->setCheckable((style & BS_TYPEMASK) == BS_AUTOCHECKBOX);
        h = w->Handle();
    } else if (kind == AfxWindowKind::Dialog) {
        auto* w = new AfxDialog(parent);
        h = w->Handle();
    } else {
        auto* w = new AfxWindowWidget<QWidget>(parent);
        h = w->Handle();
    }
    h->kind = kind;
    h->style = style;
    h->exStyle = exStyle;
    h->id = nID;
    h->text = lpszText ? lpszText : u"";
    h->widget->setEnabled(!(style & WS_DISABLED));
    return h;
}

HWND AfxHandleOf(QWidget* widget)
{
    auto* holder = dynamic_cast<AfxHandleHolder*>(widget);
    return holder ? holder->Handle() : nullptr;
}

QDialog* AfxDialogWidget(HWND hWnd)
{
    return (AfxWidget(hWnd) && hWnd->kind == AfxWindowKind::Dialog) ? static_cast<QDialog*>(hWnd->widget) : nullptr;
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

UINT AfxGetTimerElapse(HWND hWnd, UINT_PTR nIDEvent)
{
    if (!IsWindow(hWnd))
        return 0;
    const auto it = hWnd->timers.find(nIDEvent);
    return it == hWnd->timers.end() ? 0 : it->second.elapse;
}

namespace {

void PaintOwnerDrawButton(HWND hWnd)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = hWnd->id;
    dis.itemAction = ODA_DRAWENTIRE;
    auto* button = static_cast<QAbstractButton*>(hWnd->widget);
    dis.itemState = (button->isDown() ? ODS_SELECTED : 0) | (button->hasFocus() ? ODS_FOCUS : 0);
    dis.hwndItem = hWnd;
    HDC__ dc;
    dc.painter = hWnd->painter;
    // The context comes with the font the button was given, as on the platform.
    dc.font = hWnd->font;
    if (dc.font)
        dc.painter->setFont(dc.font->font);
    dis.hDC = &dc;
    dis.rcItem = RECT{0, 0, hWnd->widget->width(), hWnd->widget->height()};
    // The draw request is reflected straight to the control's own DrawItem.
    if (CWnd* pWnd = hWnd->pWnd) {
        LRESULT result = 0;
        pWnd->OnChildNotify(WM_DRAWITEM, hWnd->id, reinterpret_cast<LPARAM>(&dis), &result);
    }
}

// Static texts and check boxes ask their parent for colours first; a null
// answer means the toolkit's own background, the hollow brush none at all.
void PaintColouredControl(HWND hWnd)
{
    HDC__ dc;
    dc.painter = hWnd->painter;
    dc.font = hWnd->font;
    dc.textColor = 0x000000;
    HWND parent = AfxHandleOf(hWnd->widget->parentWidget());
    const auto hBrush = reinterpret_cast<HBRUSH>(
        ::SendMessage(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(hWnd)));
    QPainter* p = hWnd->painter;
    const QRect rect = hWnd->widget->rect();
    if (!hBrush)
        p->fillRect(rect, hWnd->widget->palette().window());
    else if (!hBrush->hollow)
        p->fillRect(rect, hBrush->colour);
    if (dc.font)
        p->setFont(dc.font->font);
    p->setPen(AfxColor(dc.textColor));
    if (hWnd->kind == AfxWindowKind::Button) {
        auto* button = static_cast<QAbstractButton*>(hWnd->widget);
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = rect;
        option.state |= button->isChecked() ? QStyle::State_On : QStyle::State_Off;
        const QRect box = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button);
        option.rect = box;
        button->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, p, button);
        p->drawText(rect.adjusted(box.right() + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
            QString::fromStdU16String(hWnd->text));
    } else {
        p->drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdU16String(hWnd->text));
    }
}

void PaintPlainProgress(HWND hWnd)
{
    QPainter* p = hWnd->painter;
    const int w = hWnd->widget->width() - 2 * AfxBorder(hWnd);
    const int h = hWnd->widget->height() - 2 * AfxBorder(hWnd);
    p->fillRect(0, 0, w, h, hWnd->widget->palette().base());
    if (hWnd->upper > hWnd->lower && hWnd->pos > hWnd->lower) {
        const int pos = std::min(hWnd->pos, hWnd->upper);
        p->fillRect(0, 0, int(qint64(pos - hWnd->lower) * w / (hWnd->upper - hWnd->lower)), h,
            hWnd->widget->palette().highlight());
    }
}

} // namespace

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd))
        return 0;
    switch (message) {
    case WM_SETTEXT:
        hWnd->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        hWnd->widget->update();
        return TRUE;
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
    case WM_PAINT:
        if (!hWnd->painter)
            return 0;
        if (hWnd->kind == AfxWindowKind::Button && (hWnd->style & BS_TYPEMASK) == BS_OWNERDRAW)
            PaintOwnerDrawButton(hWnd);
        else if (hWnd->kind == AfxWindowKind::Progress)
            PaintPlainProgress(hWnd);
        else if (hWnd->kind == AfxWindowKind::Static || hWnd->kind == AfxWindowKind::Button)
            PaintColouredControl(hWnd);
        return 0;
    case WM_CLOSE:
        // A dialog's close button is its cancel.
        if (hWnd->kind == AfxWindowKind::Dialog)
            ::SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        else if (hWnd->pWnd)
            hWnd->pWnd->DestroyWindow();
        return 0;
    case BM_GETCHECK:
        return hWnd->kind == AfxWindowKind::Button && static_cast<QAbstractButton*>(hWnd->widget)->isChecked()
            ? BST_CHECKED
            : BST_UNCHECKED;
    case BM_SETCHECK:
        if (hWnd->kind == AfxWindowKind::Button)
            static_cast<QAbstractButton*>(hWnd->widget)->setChecked(wParam == BST_CHECKED);
        return 0;
    default:
        break;
    }
    if (hWnd->kind == AfxWindowKind::Progress) {
        switch (message) {
        case PBM_SETRANGE: {
            const LRESULT old = MAKELPARAM(WORD(hWnd->lower), WORD(hWnd->upper));
            hWnd->lower = LOWORD(UINT_PTR(lParam));
            hWnd->upper = HIWORD(UINT_PTR(lParam));
            hWnd->widget->update();
            return old;
        }
        case PBM_SETPOS: {
            // The position is kept as given; the painting decides what an
            // out-of-range position shows.
            const int old = hWnd->pos;
            hWnd->pos = int(wParam);
            hWnd->widget->update();
            return old;
        }
        case PBM_GETPOS:
            return hWnd->pos;
        case PBM_GETRANGE:
            if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) {
                range->iLow = hWnd->lower;
                range->iHigh = hWnd->upper;
            }
            return wParam ? hWnd->lower : hWnd->upper;
        default:
            break;
        }
    }
    return 0;
}
