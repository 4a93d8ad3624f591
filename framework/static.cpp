// The static class: it asks its parent for colours (WM_CTLCOLORSTATIC)
// and draws its text from the top left, wrapping at words.
#include "framework/static.h"

#include "framework/hwnd_p.h"

namespace {

class AfxStatic : public AfxWindowWidget<QWidget> {
public:
    using AfxWindowWidget<QWidget>::AfxWindowWidget;

    QAccessibleInterface* NewAccessible() override { return new AfxAccessibleControl(this, QAccessible::StaticText); }

    bool ClassProc(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_PAINT)
            return false;
        if (m_hwnd.painter) {
            HDC__ dc;
            AfxPaintControlBackground(m_hwnd, dc);
            dc.painter->drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Text());
        }
        result = 0;
        return true;
    }
};

} // namespace

AfxWindow* AfxNewStatic(QWidget* parent, DWORD)
{
    return new AfxStatic(parent);
}
