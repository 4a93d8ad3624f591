#include "platform/image.h"

#include <QImageReader>

#include "platform/qt/bitmap_p.h"
#include "platform/text.h"

namespace {
// Skin pictures are a few hundred pixels a side; the decoder refuses anything
// that would need more than this many megabytes rather than exhausting memory.
constexpr int kMaxDecodedMegabytes = 256;
} // namespace

HBITMAP SHLoadDIBitmap(LPCWSTR szFileName)
{
    if (!szFileName || !*szFileName)
        return nullptr;
    QImageReader::setAllocationLimit(kMaxDecodedMegabytes);
    QImageReader reader(QString::fromUtf16(szFileName));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return nullptr;
    return new HBITMAP__{image.convertToFormat(QImage::Format_RGB32)};
}

BOOL DeleteObject(HBITMAP hBitmap)
{
    if (!hBitmap)
        return FALSE;
    delete hBitmap;
    return TRUE;
}

BOOL GetBitmapSize(HBITMAP hBitmap, BITMAP* pBitmap)
{
    if (!hBitmap || !pBitmap)
        return FALSE;
    pBitmap->bmWidth = hBitmap->image.width();
    pBitmap->bmHeight = hBitmap->image.height();
    return TRUE;
}
