// Drawing: rectangles, fonts, regions and device contexts.
#pragma once

#include "platform/image.h"
#include "platform/types.h"

struct HDC__;
using HDC = HDC__*;
struct HFONT__;
using HFONT = HFONT__*;
struct HRGN__;
using HRGN = HRGN__*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;

class CWnd;

struct RECT {
    LONG left, top, right, bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct POINT {
    LONG x, y;
};

struct SIZE {
    LONG cx, cy;
};
using LPPOINT = POINT*;

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} { }
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} { }
    CRect(const RECT& r) : RECT(r) { }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

constexpr int LF_FACESIZE = 32;

struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};

constexpr BYTE DEFAULT_QUALITY = 0;
// Pitch and family of a font, one value of each or-ed together.
constexpr BYTE VARIABLE_PITCH = 0x02;
constexpr BYTE FF_SCRIPT = 0x40;
constexpr LONG FW_BOLD = 700;

HFONT CreateFontIndirectW(const LOGFONTW* lplf);
BOOL DeleteObject(HFONT hFont);
BOOL DeleteObject(HRGN hRgn);
BOOL DeleteObject(HBRUSH hBrush);

// Brushes: a solid colour, or the stock hollow brush that paints nothing.
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
HBRUSH CreateSolidBrush(COLORREF crColor);
HBRUSH GetStockObject(int fnObject);
// The description a font was created from; FALSE for null.
BOOL GetFontDescription(HFONT hFont, LOGFONTW* lplf);

// Owner-draw record handed to CButton::DrawItem.
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 1;
constexpr UINT ODS_SELECTED = 1;
constexpr UINT ODS_FOCUS = 0x10;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    UINT_PTR itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() = default;
    virtual BOOL DeleteObject() = 0;
};

class CFont : public CGdiObject {
public:
    ~CFont() override { CFont::DeleteObject(); }
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
        BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
        BYTE nPitchAndFamily, LPCWSTR lpszFacename);
    BOOL Attach(HFONT hFont);
    HFONT Detach();
    BOOL GetLogFont(LOGFONTW* pLogFont) const { return GetFontDescription(m_hObject, pLogFont); }
    BOOL DeleteObject() override;
    operator HFONT() const { return m_hObject; }
    HFONT m_hObject = nullptr;
};

class CRgn : public CGdiObject {
public:
    ~CRgn() override { CRgn::DeleteObject(); }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL DeleteObject() override;
    operator HRGN() const { return m_hObject; }
    HRGN m_hObject = nullptr;
};

// A device context: a window being painted, or a memory context holding a bitmap.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    BOOL Attach(HDC hDC);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    HBITMAP SelectObject(HBITMAP hBitmap);
    HFONT SelectObject(HFONT hFont);
    CFont* SelectObject(CFont* pFont);
    int SelectClipRgn(CRgn* pRgn);

    int SetBkMode(int nBkMode);
    COLORREF SetTextColor(COLORREF crColor);
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    // Width (with any ink past the last advance) and height of one line of
    // text in the selected font.
    SIZE GetTextExtent(LPCWSTR lpszString, int nCount) const;
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);

protected:
    HDC m_hDC = nullptr;
    bool m_bOwned = false;
};

// The context of a window during its paint message.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
};

// What a copy from a context without a picture, or from outside a picture,
// gives: every window shows this where its skin has no pixels.
constexpr COLORREF AFX_NO_PICTURE_COLOUR = 0x00FFFFFF;
