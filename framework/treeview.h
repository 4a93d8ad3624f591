// Tree views: items under items, each with a text, a picture from the
// normal image list and a state picture (a check box) from the state list.
#pragma once

#include "framework/imagelist.h"
#include "framework/wnd.h"

inline constexpr WCHAR AFX_WNDCLASS_TREEVIEW[] = u"SysTreeView32";

struct _TREEITEM;
using HTREEITEM = _TREEITEM*;

// Where an item goes: the invisible root above the top level, and the
// first or last place among its siblings.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-LONG_PTR(0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-LONG_PTR(0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-LONG_PTR(0x0FFFE));

// Styles. Check boxes show the items' state pictures beside their own.
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_DISABLEDRAGDROP = 0x0010;
constexpr DWORD TVS_CHECKBOXES = 0x0100;

// Requests.
constexpr UINT TVM_DELETEITEM = 0x1101;
constexpr UINT TVM_EXPAND = 0x1102;
constexpr UINT TVM_GETITEMRECT = 0x1104;
constexpr UINT TVM_SETIMAGELIST = 0x1109;
constexpr UINT TVM_GETNEXTITEM = 0x110A;
constexpr UINT TVM_SELECTITEM = 0x110B;
constexpr UINT TVM_HITTEST = 0x1111;
constexpr UINT TVM_ENSUREVISIBLE = 0x1114;
constexpr UINT TVM_INSERTITEMW = 0x1132;
constexpr UINT TVM_GETITEMW = 0x113E;
constexpr UINT TVM_SETITEMW = 0x113F;

// TVM_GETNEXTITEM and TVM_SELECTITEM.
constexpr UINT TVGN_ROOT = 0x0;
constexpr UINT TVGN_NEXT = 0x1;
constexpr UINT TVGN_PREVIOUS = 0x2;
constexpr UINT TVGN_PARENT = 0x3;
constexpr UINT TVGN_CHILD = 0x4;
constexpr UINT TVGN_CARET = 0x9;

// TVM_EXPAND and the expand notifications' action.
constexpr UINT TVE_COLLAPSE = 0x1;
constexpr UINT TVE_EXPAND = 0x2;
constexpr UINT TVE_TOGGLE = 0x3;

// TVM_SETIMAGELIST.
constexpr int TVSIL_NORMAL = 0;
constexpr int TVSIL_STATE = 2;

// Which members of TVITEMW are meant.
constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;

// Item states; bits 12 to 15 are the index of the state picture, 0 for none.
constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT i)
{
    return i << 12;
}

// TVM_HITTEST: where a point lies.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;
constexpr UINT TVHT_TORIGHT = 0x0400;
constexpr UINT TVHT_TOLEFT = 0x0800;

// Notifications to the parent (WM_NOTIFY with an NMTREEVIEWW). Expanding
// comes before the item opens or closes, so its children can be added then;
// a result other than 0 keeps it as it was. A tap sends NM_CLICK.
constexpr UINT TVN_ITEMEXPANDINGW = UINT(-454);
constexpr UINT TVN_ITEMEXPANDEDW = UINT(-455);

struct TVITEMW {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren; // 1: the item shows an expand button before it has children
    LPARAM lParam;
};

struct TVINSERTSTRUCTW {
    HTREEITEM hParent;
    HTREEITEM hInsertAfter;
    TVITEMW item;
};

struct NMTREEVIEWW {
    NMHDR hdr;
    UINT action;
    TVITEMW itemOld;
    TVITEMW itemNew;
    POINT ptDrag;
};

struct TVHITTESTINFO {
    POINT pt; // client coordinates
    UINT flags;
    HTREEITEM hItem;
};

class CTreeCtrl : public CWnd {
public:
    HTREEITEM InsertItem(const TVINSERTSTRUCTW* lpInsertStruct);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    // Selecting scrolls the item into view, as EnsureVisible does.
    BOOL SelectItem(HTREEITEM hItem);
    BOOL EnsureVisible(HTREEITEM hItem);
    // The whole text, however long.
    CString GetItemText(HTREEITEM hItem) const;
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    // The control shows a copy of the list's pictures as they are now.
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType);
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
};
