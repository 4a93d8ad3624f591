#include "framework/imagelist_p.h"

#include <QColor>

#include "framework/gdi_p.h"

namespace {

// Resources are referred to by number; a name that is not a number has none.
int ResourceNumber(LPCWSTR lpName)
{
    const auto value = reinterpret_cast<UINT_PTR>(lpName);
    return value != 0 && value <= 0xFFFF ? int(value) : 0;
}

} // namespace

HICON LoadIconW(HINSTANCE, LPCWSTR lpIconName)
{
    const int nID = ResourceNumber(lpIconName);
    const QImage image = AfxLoadResourceImage(QStringLiteral(":/icon/%1.png").arg(nID));
    if (!nID || image.isNull())
        return nullptr;
    return new HICON__{image.convertToFormat(QImage::Format_ARGB32)};
}

BOOL DestroyIcon(HICON hIcon)
{
    delete hIcon;
    return hIcon != nullptr;
}

HIMAGELIST ImageList_Create(int cx, int cy, UINT, int cInitial, int)
{
    if (cx <= 0 || cy <= 0)
        return nullptr;
    auto* himl = new _IMAGELIST{cx, cy, {}};
    himl->images.reserve(size_t(std::max(cInitial, 0)));
    return himl;
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon)
{
    if (!himl || !hicon || i < -1 || i >= int(himl->images.size()))
        return -1;
    QImage image = hicon->image;
    if (image.size() != QSize(himl->cx, himl->cy))
        image = image.scaled(himl->cx, himl->cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (i == -1) {
        himl->images.push_back(image);
        return int(himl->images.size()) - 1;
    }
    himl->images[size_t(i)] = image;
    return i;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    return himl ? int(himl->images.size()) : 0;
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    delete himl;
    return himl != nullptr;
}

QIcon AfxImageListIcon(HIMAGELIST himl, int i)
{
    if (!himl || i < 0 || i >= int(himl->images.size()))
        return QIcon();
    return QIcon(QPixmap::fromImage(himl->images[size_t(i)]));
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    if (m_hImageList)
        return FALSE;
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    QImage strip = AfxLoadResourceImage(QStringLiteral(":/bitmap/%1.png").arg(nBitmapID));
    if (m_hImageList || strip.isNull() || cx <= 0)
        return FALSE;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    if (crMask != CLR_NONE) {
        const QRgb masked = QColor(GetRValue(crMask), GetGValue(crMask), GetBValue(crMask)).rgb();
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                if ((strip.pixel(x, y) | 0xFF000000) == masked)
                    strip.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    m_hImageList = ImageList_Create(cx, strip.height(), crMask != CLR_NONE ? ILC_MASK : ILC_COLOR, 0, nGrow);
    for (int x = 0; m_hImageList && x + cx <= strip.width(); x += cx)
        m_hImageList->images.push_back(strip.copy(x, 0, cx, strip.height()));
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    return ImageList_Destroy(std::exchange(m_hImageList, nullptr));
}
