// Static texts: a line of text on the colours the parent gives.
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_STATIC[] = u"Static";

class CStatic : public CWnd { };
