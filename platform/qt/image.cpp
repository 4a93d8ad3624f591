#include "platform/image.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <filesystem>
#include <utility>

#include "platform/error.h"
#include "platform/text.h"

struct HBITMAP__ {
    QImage image;
};

namespace {
// Skin pictures are a few hundred pixels a side; the decoder refuses anything
// that would need more than this many megabytes rather than exhausting memory.
constexpr int kMaxDecodedMegabytes = 256;
} // namespace

HBITMAP SHLoadDIBitmap(LPCWSTR szFileName)
{
    // The name's own bytes: a folder whose name is not UTF-8 still gives its
    // pictures, which a path through the toolkit's strings would not.
    const std::string path = szFileName ? FileNameFromUtf16(szFileName) : std::string();
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    QFile file;
    if (!stream || !file.open(stream, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (stream)
            std::fclose(stream);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    QImageReader::setAllocationLimit(kMaxDecodedMegabytes);
    QImageReader reader(&file);
    const QSize size = reader.size(); // from the header, before anything is decoded
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024) {
        SetLastError(ERROR_OUTOFMEMORY);
        return nullptr;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        SetLastError(ERROR_INVALID_DATA);
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
    const QImage& image = hBitmap->image;
    *pBitmap = BITMAP{image.width(), image.height(), LONG(image.bytesPerLine())};
    return TRUE;
}

const void* GetBitmapPixels(HBITMAP hBitmap, BITMAP* pBitmap)
{
    return GetBitmapSize(hBitmap, pBitmap) ? std::as_const(hBitmap->image).constBits() : nullptr;
}
