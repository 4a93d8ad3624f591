// Edit controls: one line of text the user types.
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_EDIT[] = u"Edit";

// Edit styles.
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
