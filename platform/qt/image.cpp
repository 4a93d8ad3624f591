#include "platform/image.h"

#include <QFileInfo>
#include <QImageReader>

#include "platform/error.h"

#include "platform/qt/bitmap_p.h"
#include "platform/text.h"

namespace {
// Skin pictures are a few hundred pixels a side; the decoder refuses anything
// that would need more than this many megabytes rather than exhausting memory.
constexpr int kMaxDecodedMegabytes = 256;
} // namespace

HBITMAP SHLoadDIBitmap(LPCWSTR szFileName)
{
    if (!szFileName || !*szFileName) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const QString path = QString::fromUtf16(szFileName);
    const QFileInfo file(path);
    if (!file.isFile()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    if (!file.isReadable()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    QImageReader::setAllocationLimit(kMaxDecodedMegabytes);
    QImageReader reader(path);
    const QSize size = reader.size(); // from the header, before anything is decoded
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024) {
        SetLastError(ERROR_OUTOFMEMORY);
        return nullptr;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        SetLastError(reader.error() == QImageReader::FileNotFoundError ? ERROR_ACCESS_DENIED : ERROR_INVALID_DATA);
        return nullptr;
    }
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
