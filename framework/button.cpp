// The button class: a click tells the parent (WM_COMMAND, BN_CLICKED); an
// owner-drawn button leaves its painting to its object's DrawItem.
#include "framework/button.h"

#include <QAbstractButton>

#include "framework/hwnd_p.h"

namespace {

class AfxButton : public AfxWindowWidget<QAbstractButton> {
public:
    explicit AfxButton(QWidget* parent) : AfxWindowWidget<QAbstractButton>(parent) { AfxSendClicksToParent(this); }

    bool ClassProc(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_PAINT || !m_hwnd.painter)
            return false;
        result = 0;
        if ((m_hwnd.style & BS_TYPEMASK) != BS_OWNERDRAW) {
            // A plain push button: its text on the colours its parent gives.
            HDC__ dc;
            AfxPaintControlBackground(&m_hwnd, dc);
            dc.painter->drawText(ClientArea(), Qt::AlignCenter, QString::fromStdU16String(m_hwnd.text));
            return true;
        }
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = m_hwnd.id;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (isDown() ? ODS_SELECTED : 0) | (hasFocus() ? ODS_FOCUS : 0);
        dis.hwndItem = &m_hwnd;
        // The context comes with the font the button was given, as on the platform.
        HDC__ dc;
        AfxInitPaintContext(dc, &m_hwnd);
        dis.hDC = &dc;
        dis.rcItem = RECT{0, 0, width(), height()};
        // The draw request is reflected straight to the control's own DrawItem.
        if (CWnd* pWnd = m_hwnd.pWnd) {
            LRESULT drawn = 0;
            pWnd->OnChildNotify(WM_DRAWITEM, m_hwnd.id, reinterpret_cast<LPARAM>(&dis), &drawn);
        }
        return true;
    }
};

} // namespace

void AfxSendClicksToParent(QAbstractButton* button)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [button] {
        HWND h = AfxHandleOf(button);
        if (!h || h->destroyed || !button->parentWidget())
            return;
        if (HWND parent = AfxHandleOf(button->parentWidget()))
            ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(h->id), BN_CLICKED), reinterpret_cast<LPARAM>(h));
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

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}
