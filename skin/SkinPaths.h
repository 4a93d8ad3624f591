// Where a skin's pictures are and how a window loads its own.
#pragma once

#include "framework/string.h"
#include "platform/image.h"
#include "platform/metrics.h"

class CWnd;

// The folder of the running program file, with its trailing separator.
CString ProgramFolder();

// The default skin beside the program: the program folder, "Skins", "Default".
CString DefaultSkinFolder();

// The skin folder, the separator, the screen number, "_VGA" on VGA screens,
// then the extension; nothing is normalised.
CString SkinImagePath(const CString& strSkinFolder, int nScreen, const CString& strImageExt);

// The default skin's picture for the same window and screen size as the
// picture at strPath, in the default skin's own picture type.
CString StandInImagePath(const CString& strPath);

// Decodes the picture. One that cannot be used is taken from the default
// skin instead; the first time in a start, a box owned by the window says
// "Can't load the picture", which folder and file, and that the default
// skin's picture stands in (the caption is a string id). When the default skin cannot give it either, the
// box says "Can't load the picture" alone, every time, and the result is null.
HBITMAP LoadSkinImage(CWnd* pOwner, const CString& strPath, UINT nIDCaption);

// A new start of the program: the next stand-in is told again.
void ResetSkinStandInNotice();
