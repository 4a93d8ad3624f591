#include "framework/gdi.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "framework/gdi_p.h"
#include "framework/hwnd_p.h"

QColor AfxColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// ---- fonts and regions ----------------------------------------------------

HFONT CreateFontIndirectW(const LOGFONTW* lplf)
{
    if (!lplf)
        return nullptr;
    auto* h = new HFONT__{*lplf, QFont()};
    h->description.lfFaceName[LF_FACESIZE - 1] = 0;
    QFont& f = h->font;
    // Faces the machine lacks ("Tahoma") fall back through fontconfig.
    f.setFamily(QString::fromUtf16(h->description.lfFaceName));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Weight(std::clamp<int>(lplf->lfWeight ? lplf->lfWeight : 400, 1, 1000)));
    f.setItalic(lplf->lfItalic != 0);
    f.setUnderline(lplf->lfUnderline != 0);
    f.setStrikeOut(lplf->lfStrikeOut != 0);
    const int height = lplf->lfHeight;
    if (height < 0) {
        f.setPixelSize(-height); // the character height
    } else if (height > 0) {
        // A positive height is the cell height (ascent plus descent).
        f.setPixelSize(height);
        const double cell = QFontMetricsF(f).height();
        if (cell > 0)
            f.setPixelSize(std::max(1, int(std::lround(height * height / cell))));
    }
    return h;
}

BOOL DeleteObject(HFONT hFont)
{
    if (!hFont)
        return FALSE;
    delete hFont;
    return TRUE;
}

BOOL DeleteObject(HRGN hRgn)
{
    if (!hRgn)
        return FALSE;
    delete hRgn;
    return TRUE;
}

HBRUSH CreateSolidBrush(COLORREF crColor)
{
    return new HBRUSH__{false, AfxColor(crColor)};
}

HBRUSH GetStockObject(int fnObject)
{
    static HBRUSH__ hollow{true, QColor()};
    return fnObject == NULL_BRUSH ? &hollow : nullptr;
}

BOOL DeleteObject(HBRUSH hBrush)
{
    if (!hBrush || hBrush == GetStockObject(NULL_BRUSH))
        return FALSE;
    delete hBrush;
    return TRUE;
}

BOOL GetFontDescription(HFONT hFont, LOGFONTW* lplf)
{
    if (!hFont || !lplf)
        return FALSE;
    *lplf = hFont->description;
    return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    return Attach(CreateFontIndirectW(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
    BYTE nPitchAndFamily, LPCWSTR lpszFacename)
{
    LOGFONTW lf{nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut, nCharSet,
        nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, {}};
    if (lpszFacename)
        for (int i = 0; i < LF_FACESIZE - 1 && lpszFacename[i]; ++i)
            lf.lfFaceName[i] = lpszFacename[i];
    return CreateFontIndirect(&lf);
}

BOOL CFont::Attach(HFONT hFont)
{
    if (!hFont || m_hObject)
        return FALSE;
    m_hObject = hFont;
    return TRUE;
}

HFONT CFont::Detach()
{
    HFONT h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CFont::DeleteObject()
{
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    if (!lpRect || m_hObject)
        return FALSE;
    m_hObject = new HRGN__{
        QRegion(QRect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1)))};
    return TRUE;
}

BOOL CRgn::DeleteObject()
{
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

// ---- device contexts ------------------------------------------------------

CDC::~CDC()
{
    if (m_bOwned)
        DeleteDC();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC || m_hDC)
        return FALSE;
    m_hDC = hDC;
    m_bOwned = false;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_bOwned = false;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_hDC)
        return FALSE;
    m_hDC = new HDC__;
    m_bOwned = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC || !m_bOwned)
        return FALSE;
    delete m_hDC;
    m_hDC = nullptr;
    m_bOwned = false;
    return TRUE;
}

HBITMAP CDC::SelectObject(HBITMAP hBitmap)
{
    if (!m_hDC)
        return nullptr;
    return std::exchange(m_hDC->bitmap, hBitmap);
}

HFONT CDC::SelectObject(HFONT hFont)
{
    if (!m_hDC)
        return nullptr;
    if (hFont && m_hDC->painter)
        m_hDC->painter->setFont(hFont->font);
    return std::exchange(m_hDC->font, hFont);
}

CFont* CDC::SelectObject(CFont* pFont)
{
    SelectObject(pFont ? pFont->m_hObject : HFONT(nullptr));
    return nullptr;
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    constexpr int NULLREGION = 1, SIMPLEREGION = 2, ERROR_REGION = 0;
    if (!m_hDC || !m_hDC->painter)
        return ERROR_REGION;
    if (!pRgn || !pRgn->m_hObject) {
        m_hDC->painter->setClipping(false);
        return SIMPLEREGION;
    }
    m_hDC->painter->setClipRegion(pRgn->m_hObject->region);
    return pRgn->m_hObject->region.isEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::SetBkMode(int nBkMode)
{
    return m_hDC ? std::exchange(m_hDC->bkMode, nBkMode) : 0;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return m_hDC ? std::exchange(m_hDC->textColor, crColor) : 0;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect)
        FillSolidRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    if (m_hDC && m_hDC->painter && cx > 0 && cy > 0)
        m_hDC->painter->fillRect(x, y, cx, cy, AfxColor(clr));
}

int CDC::DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (!m_hDC || !m_hDC->painter || !lpszString || !lpRect)
        return 0;
    QPainter* p = m_hDC->painter;
    QString text = nCount < 0 ? QString::fromUtf16(lpszString) : QString::fromUtf16(lpszString, nCount);
    const bool single = nFormat & DT_SINGLELINE;
    int flags = 0;
    flags |= (nFormat & DT_CENTER) ? Qt::AlignHCenter : (nFormat & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    // Vertical placement only applies to a single line.
    if (single)
        flags |= (nFormat & DT_VCENTER) ? Qt::AlignVCenter : (nFormat & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    else
        flags |= Qt::AlignTop;
    if (single) {
        text.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QString());
        flags |= Qt::TextSingleLine;
    } else if (nFormat & DT_WORDBREAK) {
        flags |= Qt::TextWordWrap;
    }
    const QRect rect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1));
    p->save();
    if (m_hDC->font)
        p->setFont(m_hDC->font->font);
    if (!(nFormat & DT_NOCLIP))
        p->setClipRect(rect, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const QRect bounds = p->boundingRect(rect, flags, text);
    if (m_hDC->bkMode == OPAQUE)
        p->fillRect(bounds, AfxColor(m_hDC->bkColor));
    p->setPen(AfxColor(m_hDC->textColor));
    p->drawText(rect, flags, text);
    p->restore();
    return bounds.height();
}

SIZE CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const
{
    if (!m_hDC || !lpszString)
        return SIZE{0, 0};
    const QString text = nCount < 0 ? QString::fromUtf16(lpszString) : QString::fromUtf16(lpszString, nCount);
    const QFont font = m_hDC->font ? m_hDC->font->font : m_hDC->painter ? m_hDC->painter->font() : QFont();
    const QFontMetrics metrics(font);
    // The last glyph's ink may reach past its advance (bold, italic): count
    // it. Its bearing says so without laying the whole text out again.
    const int overhang = text.isEmpty() ? 0 : std::max(0, -metrics.rightBearing(text.back()));
    const int width = metrics.horizontalAdvance(text) + overhang;
    return SIZE{LONG(width), LONG(metrics.height())};
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    if (!m_hDC || !m_hDC->painter || !pSrcDC || !pSrcDC->m_hDC || dwRop != SRCCOPY)
        return FALSE;
    if (nWidth <= 0 || nHeight <= 0)
        return TRUE;
    QPainter* p = m_hDC->painter;
    const QRect target(x, y, nWidth, nHeight);
    BITMAP bm{};
    const auto* pixels = static_cast<const uchar*>(GetBitmapPixels(pSrcDC->m_hDC->bitmap, &bm));
    // The picture's own pixels, drawn where they are, without a copy.
    const QImage source = pixels ? QImage(pixels, bm.bmWidth, bm.bmHeight, bm.bmWidthBytes, QImage::Format_RGB32)
                                 : QImage();
    const QRect wanted(xSrc, ySrc, nWidth, nHeight);
    const QRect available = wanted.intersected(source.rect());
    if (available != wanted)
        p->fillRect(target, AfxColor(AFX_NO_PICTURE_COLOUR));
    if (!available.isEmpty())
        p->drawImage(QPoint(x + available.x() - xSrc, y + available.y() - ySrc), source, available);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* pWnd)
{
    const AfxWindowRecord* r = pWnd ? AfxRecord(pWnd->m_hWnd) : nullptr;
    m_hDC = new HDC__;
    m_bOwned = true;
    if (r && r->painter) {
        m_hDC->painter = r->painter;
        m_hDC->painter->save();
    }
}

CPaintDC::~CPaintDC()
{
    if (m_hDC && m_hDC->painter)
        m_hDC->painter->restore();
}

QImage AfxLoadResourceImage(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
