// The five windows a skin backs with a picture each, and how large each
// window is on a screen size, from the program's own templates.
#pragma once

#include <string>

#include "res/resource.h"

struct SkinScreen {
    int number;          // names the picture: 1 … 5
    unsigned templateId; // the window's form or dialog template
    const char* name;
};

inline constexpr SkinScreen kSkinScreens[] = {
    {1, IDD_QUILLET_FORM, "monitor"},
    {2, IDD_MEMORY, "memory dialog"},
    {3, IDD_ABOUTBOX, "About"},
    {4, IDD_SETTINGS, "settings"},
    {5, IDD_FOLDER_BROWSER, "folder browser"},
};

// The two screen sizes the program lays its windows out for.
struct ScreenSize {
    int width;
    int height;
    std::string Text() const { return std::to_string(width) + "x" + std::to_string(height); }
};

inline constexpr ScreenSize kNormalScreen{240, 320};
inline constexpr ScreenSize kLargeScreen{480, 640};

// Makes the framework believe in this screen size (it reads QUILLET_SCREEN
// every time it asks).
void UseScreenSize(const ScreenSize& size);

// The client area the screen's picture backs, in pixels, on the screen size
// in use: the template's size in dialog units.
struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSize WindowSize(const SkinScreen& screen);
