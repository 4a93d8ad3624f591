// Check boxes: buttons of the BS_AUTOCHECKBOX style that keep their state.
#pragma once

#include "framework/button.h"

constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;
