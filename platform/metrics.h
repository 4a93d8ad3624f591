// Screen metrics. QUILLET_SCREEN=WxH overrides the primary screen's size.
#pragma once

#include "platform/types.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;

int GetSystemMetrics(int nIndex);

// True on screens more than 320 pixels tall: they get the "_VGA" pictures,
// the larger fonts and the larger layout, and dialog units twice the size.
inline bool IsVgaScreen()
{
    return GetSystemMetrics(SM_CYSCREEN) > 320;
}
