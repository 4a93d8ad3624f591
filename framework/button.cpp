// The button class: a click tells the parent (WM_COMMAND, BN_CLICKED); an
// owner-drawn button leaves its painting to its object's DrawItem.
#include "framework/button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>

#include "framework/hwnd_p.h"

namespace {

class AfxButton : public AfxWindowWidget<QAbstractButton> {
public:
    explicit AfxButton(QWidget* parent) : AfxWindowWidget<QAbstractButton>(parent)
    {
        AfxSendClicksToParent(this);
        // A tap on a label is a tap on the control it names.
        connect(this, &QAbstractButton::clicked, this, [this] {
            if (auto* control = qobject_cast<QAbstractButton*>(m_labelled.data()))
                control->click();
        });
    }

    QAccessibleInterface* NewAccessible() override { return AfxNewAccessibleButton(this, OwnerDrawn()); }

    bool ClassProc(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_PAINT || !m_hwnd.painter)
            return false;
        result = 0;
        if (!OwnerDrawn()) {
            // A plain push button: its text on the colours its parent gives.
            HDC__ dc;
            AfxPaintControlBackground(m_hwnd, dc);
            dc.painter->drawText(ClientArea(), Qt::AlignCenter, Text());
            return true;
        }
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = m_hwnd.id;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (isDown() ? ODS_SELECTED : 0) | (hasFocus() ? ODS_FOCUS : 0);
        dis.hwndItem = m_hwnd.hWnd;
        // The context comes with the font the button was given, as on the platform.
        HDC__ dc;
        AfxInitPaintContext(dc, m_hwnd);
        dis.hDC = &dc;
        dis.rcItem = RECT{0, 0, width(), height()};
        // The draw request is reflected straight to the control's own DrawItem.
        if (CWnd* pWnd = m_hwnd.pWnd) {
            LRESULT drawn = 0;
            pWnd->OnChildNotify(WM_DRAWITEM, m_hwnd.id, reinterpret_cast<LPARAM>(&dis), &drawn);
        }
        // The owner draws every state alike; the focus mark is the
        // framework's, in the colour of the button's text where it has one.
        if (AfxShowsFocus(this))
            AfxDrawFocusRing(*m_hwnd.painter, rect(),
                Text().isEmpty() ? palette().color(QPalette::Highlight) : AfxColor(dc.textColor));
        return true;
    }

    // The control this button is the label of.
    QPointer<QWidget> m_labelled;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (AfxIsEnterKey(e))
            click();
        else
            AfxWindowWidget<QAbstractButton>::keyPressEvent(e);
    }

private:
    bool OwnerDrawn() const { return (m_hwnd.style & BS_TYPEMASK) == BS_OWNERDRAW; }
};

} // namespace

bool AfxIsEnterKey(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier);
}

bool AfxShowsFocus(const QWidget* w)
{
    // As on the desktop, the mark shows once the keyboard has moved the focus.
    return w->hasFocus() && w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void AfxDrawFocusRing(QPainter& painter, const QRect& rect, const QColor& colour)
{
    constexpr int kWidth = 2;
    painter.save();
    painter.setClipping(false);
    painter.fillRect(rect.left(), rect.top(), rect.width(), kWidth, colour);
    painter.fillRect(rect.left(), rect.bottom() - kWidth + 1, rect.width(), kWidth, colour);
    painter.fillRect(rect.left(), rect.top(), kWidth, rect.height(), colour);
    painter.fillRect(rect.right() - kWidth + 1, rect.top(), kWidth, rect.height(), colour);
    painter.restore();
}

QWidget* AfxLabelledBy(const QWidget* label)
{
    const auto* button = dynamic_cast<const AfxButton*>(label);
    return button ? button->m_labelled.data() : nullptr;
}

void AfxSendClicksToParent(QAbstractButton* button)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [button] {
        const AfxWindowRecord* r = AfxRecord(AfxHandleOf(button));
        if (!r || !button->parentWidget())
            return;
        if (HWND parent = AfxHandleOf(button->parentWidget()))
            ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(r->id), BN_CLICKED), reinterpret_cast<LPARAM>(r->hWnd));
    });
}

AfxWindow* AfxNewButton(QWidget* parent, DWORD style)
{
    if ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
        return AfxNewCheckBox(parent, style);
    auto* button = new AfxButton(parent);
    button->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    return button;
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CButton::SetLabelFor(CWnd* pControl)
{
    auto* label = dynamic_cast<AfxButton*>(AfxWidget(m_hWnd));
    if (!label)
        return;
    label->m_labelled = pControl ? AfxWidget(pControl->m_hWnd) : nullptr;
    // The keyboard goes to the control itself.
    label->setFocusPolicy(Qt::NoFocus);
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}
