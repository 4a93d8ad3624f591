// Icons and image lists: the small pictures lists and trees show beside
// their items, loaded from the program's resources.
#pragma once

#include "framework/gdi.h"

struct HICON__;
using HICON = HICON__*;
struct _IMAGELIST;
using HIMAGELIST = _IMAGELIST*;

constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_MASK = 0x0001;
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

inline LPCWSTR MAKEINTRESOURCEW(UINT nID)
{
    return reinterpret_cast<LPCWSTR>(UINT_PTR(WORD(nID)));
}

// The module whose resources the program loads: there is only the program.
inline HINSTANCE AfxGetInstanceHandle()
{
    return nullptr;
}

// An icon of the program's resources by id (MAKEINTRESOURCEW); null when
// there is none.
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
BOOL DestroyIcon(HICON hIcon);

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
// Replaces image i with the icon, scaled to the list's size, or appends it
// for i = -1; returns its index, -1 on failure.
int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon);
int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_Destroy(HIMAGELIST himl);

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() { DeleteImageList(); }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // The images of a bitmap resource, cut cx pixels wide from the left (a
    // remainder narrower than cx is dropped); crMask's pixels become
    // transparent unless it is CLR_NONE.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    int Add(HICON hIcon) { return Replace(-1, hIcon); }
    int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL DeleteImageList();
    operator HIMAGELIST() const { return m_hImageList; }

    HIMAGELIST m_hImageList = nullptr;
};
