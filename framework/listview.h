// List views: lines of items in columns, driven by messages.
#pragma once

#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_LISTVIEW[] = u"SysListView32";

// List view styles. Every view shows its lines as a report, one per line
// with a header over the columns.
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_SHAREIMAGELISTS = 0x0040;

// Extended styles: kept and reported back; the toolkit's view activates
// items its own way.
constexpr DWORD LVS_EX_ONECLICKACTIVATE = 0x0040;

// Messages.
constexpr UINT LVM_FIRST = 0x1000;
// wParam LVSIL_*, lParam the image list; returns the previous one. The
// view never destroys image lists.
constexpr UINT LVM_SETIMAGELIST = LVM_FIRST + 3;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
constexpr UINT LVM_DELETEALLITEMS = LVM_FIRST + 9;
// wParam the line (-1: every line), lParam an LVITEMW with state and stateMask.
constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43;
// wParam the mask (0: all), lParam the style; returns the previous style.
constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;
constexpr UINT LVM_GETSELECTIONMARK = LVM_FIRST + 66;
// lParam the line; returns the previous mark.
constexpr UINT LVM_SETSELECTIONMARK = LVM_FIRST + 67;
// lParam an LVITEMW (iItem, LVIF_TEXT, LVIF_IMAGE); returns the new line's
// index, -1 on failure.
constexpr UINT LVM_INSERTITEMW = LVM_FIRST + 77;
// wParam the position, lParam an LVCOLUMNW; returns the new column's index.
constexpr UINT LVM_INSERTCOLUMNW = LVM_FIRST + 97;
// wParam the line, lParam an LVITEMW (iSubItem, pszText, cchTextMax);
// returns the characters copied.
constexpr UINT LVM_GETITEMTEXTW = LVM_FIRST + 115;

constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;

constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;

constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

struct LVCOLUMNW {
    UINT mask;
    int fmt;
    int cx;
    LPWSTR pszText;
    int cchTextMax;
    int iSubItem;
};

struct LVITEMW {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};
