// Screen metrics. QUILLET_SCREEN=WxH overrides the primary screen's size.
#pragma once

#include "platform/types.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;

int GetSystemMetrics(int nIndex);
