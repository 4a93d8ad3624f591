#include "skin/SkinPaths.h"

#include "framework/wnd.h"

CString SkinImagePath(const CString& strSkinFolder, int nScreen, const CString& strImageExt)
{
    CString strPath;
    strPath.Format(u"%s%c%d%s%s", static_cast<LPCWSTR>(strSkinFolder), PATH_SEPARATOR, nScreen,
        IsVgaScreen() ? u"_VGA" : u"", static_cast<LPCWSTR>(strImageExt));
    return strPath;
}

HBITMAP LoadSkinImage(CWnd* pOwner, const CString& strPath, LPCWSTR lpszCaption)
{
    HBITMAP hBitmap = SHLoadDIBitmap(strPath);
    if (!hBitmap && pOwner)
        pOwner->MessageBox(u"Can't load the picture", lpszCaption, MB_OK);
    return hBitmap;
}
