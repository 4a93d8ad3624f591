// The check box: a tap toggles it and tells the parent; it paints its box
// and its text on the colours its parent gives (WM_CTLCOLORSTATIC).
#include "framework/checkbox.h"

#include <QAbstractButton>
#include <QStyleOptionButton>

#include "framework/hwnd_p.h"

namespace {

class AfxCheckBox : public AfxWindowWidget<QAbstractButton> {
public:
    explicit AfxCheckBox(QWidget* parent) : AfxWindowWidget<QAbstractButton>(parent)
    {
        setCheckable(true);
        AfxSendClicksToParent(this);
    }

    QAccessibleInterface* NewAccessible() override { return AfxNewAccessibleButton(this, false); }

    bool ClassProc(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        switch (message) {
        case BM_GETCHECK:
            result = isChecked() ? BST_CHECKED : BST_UNCHECKED;
            return true;
        case BM_SETCHECK:
            setChecked(wParam == BST_CHECKED);
            result = 0;
            return true;
        case WM_PAINT:
            if (m_hwnd.painter)
                Paint();
            result = 0;
            return true;
        default:
            return false;
        }
    }

private:
    void Paint()
    {
        HDC__ dc;
        AfxPaintControlBackground(m_hwnd, dc);
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = rect();
        option.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
        const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        option.rect = box;
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, dc.painter, this);
        dc.painter->drawText(rect().adjusted(box.right() + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Text());
        // It stands on the skin too: the same mark as the skinned buttons.
        if (AfxShowsFocus(this))
            AfxDrawFocusRing(*dc.painter, rect(), palette().color(QPalette::Highlight));
    }
};

} // namespace

AfxWindow* AfxNewCheckBox(QWidget* parent, DWORD style)
{
    auto* box = new AfxCheckBox(parent);
    box->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    return box;
}
