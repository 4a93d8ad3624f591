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

DWORD Read(QImageReader& reader, QImage& image)
{
    const QSize size = reader.size(); // from the header, before anything is decoded
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024)
        return ERROR_OUTOFMEMORY;
    return reader.read(&image) && !image.isNull() ? ERROR_SUCCESS : ERROR_INVALID_DATA;
}

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
    // The name's type alone first: asked to find the type itself, the reader
    // loads every picture plugin there is to ask each whether it knows the
    // picture. A picture misnamed is looked at again by its content.
    const std::string suffix = std::filesystem::path(path).extension().string();
    const QByteArray format = suffix.size() > 1 ? QByteArray(suffix.data() + 1, qsizetype(suffix.size() - 1)).toLower()
                                                : QByteArray();
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    QImage image;
    DWORD dwError = Read(reader, image);
    if (dwError == ERROR_INVALID_DATA && !format.isEmpty() && file.seek(0)) {
        QImageReader byContent(&file);
        dwError = Read(byContent, image);
    }
    if (dwError != ERROR_SUCCESS) {
        SetLastError(dwError);
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
