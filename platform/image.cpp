#include "platform/image.h"

#include <QImageReader>

#include "platform/bitmap_p.h"
#include "platform/text.h"

namespace {
// Skin pictures are a few hundred pixels a side; refuse anything that would
// need more than this many bytes once decoded rather than exhausting memory.
constexpr qint64 kMaxDecodedBytes = qint64(256) * 1024 * 1024;
}

HBITMAP SHLoadDIBitmap(LPCWSTR szFileName)
{
    if (!szFileName || !*szFileName)
        return nullptr;
    QImageReader reader(QString::fromUtf16(szFileName));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > kMaxDecodedBytes)
        return nullptr;
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
