// Edit controls: one line of text the user types.
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_EDIT[] = u"Edit";

// Edit styles. The line always scrolls sideways as the user types, as with
// ES_AUTOHSCROLL; the text has no length limit.
constexpr DWORD ES_AUTOHSCROLL = 0x0080;

// The text is the window text (GetWindowText, SetWindowText).
class CEdit : public CWnd { };
