#include "tools/quillet-skin/Screens.h"

#include <cstdlib>

#include "framework/dlgunits.h"
#include "framework/resources.h"

void UseScreenSize(const ScreenSize& size)
{
    ::setenv("QUILLET_SCREEN", size.Text().c_str(), 1);
}

PictureSize WindowSize(const SkinScreen& screen)
{
    const AFX_DLGTEMPLATE* t = AfxFindDialogTemplate(screen.templateId);
    if (!t)
        return {};
    const RECT r = AfxMapDialogRect(0, 0, t->cx, t->cy);
    return {r.right - r.left, r.bottom - r.top};
}
