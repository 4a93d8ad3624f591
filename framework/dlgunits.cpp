#include "framework/dlgunits.h"

#include "framework/hwnd_p.h"
#include "framework/language.h"
#include "platform/metrics.h"

namespace {

constexpr AFX_BASE_UNITS kNormalUnits{7, 13};
constexpr int kTextPixels = 12;

int MulDiv(int number, int numerator, int denominator)
{
    const long long product = (long long)number * numerator;
    const long long half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

AFX_BASE_UNITS AfxGetDialogBaseUnits()
{
    return IsVgaScreen() ? AFX_BASE_UNITS{kNormalUnits.cx * 2, kNormalUnits.cy * 2} : kNormalUnits;
}

QFont AfxScaledTextFont(QFont font)
{
    font.setPixelSize(kTextPixels * AfxGetDialogBaseUnits().cx / kNormalUnits.cx);
    return font;
}

RECT AfxMapDialogRect(int x, int y, int cx, int cy)
{
    const AFX_BASE_UNITS u = AfxGetDialogBaseUnits();
    const int left = MulDiv(x, u.cx, 4);
    const int top = MulDiv(y, u.cy, 8);
    return RECT{left, top, left + MulDiv(cx, u.cx, 4), top + MulDiv(cy, u.cy, 8)};
}

void AfxCreateTemplateControls(CWnd* pParent, const AFX_DLGTEMPLATE* pTemplate)
{
    if (!pParent || !IsWindow(pParent->m_hWnd) || !pTemplate)
        return;
    for (size_t i = 0; i < pTemplate->nItems; ++i) {
        const AFX_DLGITEM& item = pTemplate->pItems[i];
        const std::u16string text = AfxTranslate(AFX_CONTEXT_DIALOG, item.lpszText);
        HWND h = AfxCreateWindowHandle(
            item.lpszClass, pParent->m_hWnd, item.dwStyle | WS_CHILD, item.dwExStyle, item.nID, text.c_str());
        const RECT r = AfxMapDialogRect(item.x, item.y, item.cx, item.cy);
        QWidget* widget = AfxWidget(h);
        widget->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
        widget->setVisible(item.dwStyle & WS_VISIBLE);
    }
}
