#include "skin/SkinPaths.h"

#include "framework/wnd.h"
#include "platform/debug.h"
#include "platform/error.h"
#include "platform/module.h"
#include "res/resource.h"

namespace {

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

CString SkinImagePath(const CString& strSkinFolder, int nScreen, const CString& strImageExt)
{
    CString strPath;
    strPath.Format(u"%s%c%d%s%s", static_cast<LPCWSTR>(strSkinFolder), PATH_SEPARATOR, nScreen,
        IsVgaScreen() ? u"_VGA" : u"", static_cast<LPCWSTR>(strImageExt));
    return strPath;
}

HBITMAP LoadSkinImage(CWnd* pOwner, const CString& strPath, UINT nIDCaption)
{
    HBITMAP hBitmap = SHLoadDIBitmap(strPath);
    const DWORD dwError = GetLastError();
    if (!hBitmap) {
        // The box keeps its short text; the log says which file and why.
        CString strWhy;
        strWhy.Format(
            u"Quillet: cannot load the picture %s: %s\n", static_cast<LPCWSTR>(strPath), WhyNotLoaded(dwError));
        OutputDebugStringW(strWhy);
    }
    if (!hBitmap && pOwner) {
        CString strText;
        CString strCaption;
        strText.LoadString(IDS_CANT_LOAD_PICTURE);
        strCaption.LoadString(nIDCaption);
        pOwner->MessageBox(strText, strCaption, MB_OK);
    }
    return hBitmap;
}
