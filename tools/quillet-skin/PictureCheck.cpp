#include "tools/quillet-skin/PictureCheck.h"

#include <filesystem>

#include "platform/error.h"
#include "platform/image.h"
#include "platform/text.h"
#include "skin/SkinPaths.h"
#include "tools/quillet-skin/Screens.h"

namespace {

constexpr ScreenSize kSizes[] = {kNormalScreen, kLargeScreen};

std::string SizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

Finding CheckPicture(const CString& strPath, const SkinScreen& screen, const ScreenSize& size)
{
    const PictureSize want = WindowSize(screen);
    const std::string window = std::string("the ") + screen.name + " window on a " + size.Text() + " screen (" +
        SizeText(want.width, want.height) + ")";
    Finding f;
    f.severity = Severity::Error;
    f.file = Utf16ToUtf8(strPath.str());
    const HBITMAP hBitmap = SHLoadDIBitmap(strPath);
    if (!hBitmap) {
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
            f.kind = "picture-missing";
            f.message = "missing: ";
            break;
        case ERROR_ACCESS_DENIED:
            f.kind = "picture-unreadable";
            f.message = "cannot be read: ";
            break;
        case ERROR_OUTOFMEMORY:
            f.kind = "picture-too-large";
            f.message = "too large to decode: ";
            break;
        default:
            f.kind = "picture-not-decodable";
            f.message = "not a PNG, BMP or JPEG picture: ";
            break;
        }
        // The program takes the default skin's picture where it can.
        const CString strStandIn = StandInImagePath(strPath);
        const HBITMAP hStandIn = strStandIn != strPath ? SHLoadDIBitmap(strStandIn) : nullptr;
        if (hStandIn)
            f.standIn = Utf16ToUtf8(strStandIn.str());
        DeleteObject(hStandIn);
        f.message += window +
            (hStandIn ? " shows the default skin's " + f.standIn + " instead" : " would have no picture");
        return f;
    }
    BITMAP bm{};
    GetBitmapSize(hBitmap, &bm);
    DeleteObject(hBitmap);
    if (bm.bmWidth == want.width && bm.bmHeight == want.height)
        return {};
    f.kind = "picture-size";
    const bool cut = bm.bmWidth > want.width || bm.bmHeight > want.height;
    const bool edges = bm.bmWidth < want.width || bm.bmHeight < want.height;
    f.message = SizeText(bm.bmWidth, bm.bmHeight) + " pixels, but it backs " + window +
        ": pictures are never scaled, " +
        (edges && cut   ? "so it is cut and leaves white edges"
                : edges ? "so it leaves white edges"
                        : "so it is cut");
    return f;
}

} // namespace

std::vector<Finding> CheckPictures(const CString& strSkinFolder, const CString& strImageType)
{
    std::vector<Finding> findings;
    for (const ScreenSize& size : kSizes) {
        UseScreenSize(size);
        for (const SkinScreen& screen : kSkinScreens) {
            Finding f = CheckPicture(SkinImagePath(strSkinFolder, screen.number, strImageType), screen, size);
            if (!f.kind.empty())
                findings.push_back(std::move(f));
        }
    }
    return findings;
}

int CountPictures(const CString& strSkinFolder, const CString& strImageType)
{
    int count = 0;
    for (const ScreenSize& size : kSizes) {
        UseScreenSize(size);
        for (const SkinScreen& screen : kSkinScreens) {
            std::error_code error;
            count += std::filesystem::is_regular_file(
                FileNameFromUtf16(SkinImagePath(strSkinFolder, screen.number, strImageType).str()), error);
        }
    }
    return count;
}
