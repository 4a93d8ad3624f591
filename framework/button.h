// Buttons: push buttons, owner-drawn ones included. Check boxes are buttons
// too (framework/checkbox.h).
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_BUTTON[] = u"Button";

// Button styles.
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_OWNERDRAW = 0xB;
constexpr DWORD BS_TYPEMASK = 0xF;
constexpr DWORD BS_MULTILINE = 0x2000;

class CButton : public CWnd {
public:
    // The owner-draw hook; the record carries the context and the rectangle.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Makes this button the label of a control (a check box beside it):
    // screen readers read its text as the control's name, a tap on it is a
    // tap on the control, and it is no longer a tab stop.
    void SetLabelFor(CWnd* pControl);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
