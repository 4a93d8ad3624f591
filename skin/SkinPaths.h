// Where a skin's pictures are and how a window loads its own.
#pragma once

#include "framework/string.h"
#include "platform/image.h"
#include "platform/metrics.h"

class CWnd;

// The folder of the running program file, with its trailing separator.
CString ProgramFolder();

// The skin folder, the separator, the screen number, "_VGA" on VGA screens,
// then the extension; nothing is normalised.
CString SkinImagePath(const CString& strSkinFolder, int nScreen, const CString& strImageExt);

// Decodes the picture; on failure shows "Can't load the picture" with the
// caption (a string id), owned by the window, and returns null.
HBITMAP LoadSkinImage(CWnd* pOwner, const CString& strPath, UINT nIDCaption);
