#include "skin/SkinPaths.h"

#include "framework/wnd.h"
#include "platform/debug.h"
#include "platform/error.h"
#include "platform/module.h"
#include "res/resource.h"
#include "skin/SkinColourFile.h"

namespace {

// Whether this start has told the user that the default skin stands in.
bool g_bStandInTold = false;

LPCWSTR WhyNotLoaded(DWORD dwError)
{
    switch (dwError) {
    case ERROR_FILE_NOT_FOUND:
        return u"missing";
    case ERROR_ACCESS_DENIED:
        return u"cannot be read";
    case ERROR_OUTOFMEMORY:
        return u"too large";
    default:
        return u"not a picture";
    }
}

// The log says which file and why; the boxes stay short.
void LogNotLoaded(const CString& strPath, DWORD dwError)
{
    CString strWhy;
    strWhy.Format(u"Quillet: cannot load the picture %s: %s\n", static_cast<LPCWSTR>(strPath), WhyNotLoaded(dwError));
    OutputDebugStringW(strWhy);
}

CString Separator()
{
    return CString(std::u16string(1, PATH_SEPARATOR));
}

} // namespace

CString ProgramFolder()
{
    // MAX_PATH characters do not hold every install's path, and a cut path
    // would name another folder: grow the buffer until the path fits.
    std::u16string path(MAX_PATH, u'\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) >= path.size())
        path.resize(path.size() * 2);
    path.resize(n);
    return CString(path.substr(0, path.rfind(PATH_SEPARATOR) + 1));
}

CString DefaultSkinFolder()
{
    return ProgramFolder() + u"Skins" + Separator() + u"Default";
}

CString SkinImagePath(const CString& strSkinFolder, int nScreen, const CString& strImageExt)
{
    CString strPath;
    strPath.Format(u"%s%c%d%s%s", static_cast<LPCWSTR>(strSkinFolder), PATH_SEPARATOR, nScreen,
        IsVgaScreen() ? u"_VGA" : u"", static_cast<LPCWSTR>(strImageExt));
    return strPath;
}

CString StandInImagePath(const CString& strPath)
{
    // The picture's name as SkinImagePath made it, without its type: the
    // default skin's own type may differ from the chosen skin's.
    const std::u16string& path = strPath.str();
    std::u16string name = path.substr(path.rfind(PATH_SEPARATOR) + 1);
    name = name.substr(0, name.rfind(u'.'));
    const CString strFolder = DefaultSkinFolder();
    CString strImageExt(SKIN_DEFAULT_IMAGE_TYPE);
    ReadSkinImageType(ReadSkinTextFile(strFolder + Separator() + SKIN_COLOUR_FILE), strImageExt);
    return strFolder + Separator() + CString(std::move(name)) + strImageExt;
}

HBITMAP LoadSkinImage(CWnd* pOwner, const CString& strPath, UINT nIDCaption)
{
    if (HBITMAP hBitmap = SHLoadDIBitmap(strPath))
        return hBitmap;
    LogNotLoaded(strPath, GetLastError());
    // Picture by picture, the default skin stands in, so that no image
    // button is ever drawn as nothing.
    const CString strStandIn = StandInImagePath(strPath);
    HBITMAP hStandIn = nullptr;
    if (strStandIn != strPath && !(hStandIn = SHLoadDIBitmap(strStandIn)))
        LogNotLoaded(strStandIn, GetLastError());
    // Told once a start, not once a window.
    if (!pOwner || (hStandIn && g_bStandInTold))
        return hStandIn;
    CString strMessage;
    strMessage.LoadString(IDS_CANT_LOAD_PICTURE);
    if (hStandIn) {
        g_bStandInTold = true;
        const std::u16string& path = strPath.str();
        const size_t nCut = path.rfind(PATH_SEPARATOR);
        CString strFormat, strWhere;
        strFormat.LoadString(IDS_PICTURE_STAND_IN);
        strWhere.Format(strFormat, static_cast<LPCWSTR>(CString(path.substr(0, nCut))),
            static_cast<LPCWSTR>(CString(path.substr(nCut + 1))));
        strMessage += u"\n" + strWhere;
    }
    CString strCaption;
    strCaption.LoadString(nIDCaption);
    pOwner->MessageBox(strMessage, strCaption, MB_OK);
    return hStandIn;
}

void ResetSkinStandInNotice()
{
    g_bStandInTold = false;
}
