// List views: lines of items in columns, driven by messages.
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_LISTVIEW[] = u"SysListView32";

// List view styles.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_SHAREIMAGELISTS = 0x0040;
