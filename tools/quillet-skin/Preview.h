// A contact sheet of a skin: the program's five windows, rendered offscreen
// over an example machine, each labelled, in one picture.
#pragma once

#include <string>
#include <vector>

#include "tools/quillet-skin/Screens.h"

// Where one window landed on the sheet.
struct PreviewCell {
    const SkinScreen* screen;
    ScreenSize size;
    int x, y, width, height;
};

// Renders the skin at each screen size, a row per size, and saves the sheet
// as a PNG. The windows run over a made-up machine in a temporary folder,
// with their own settings store and device log: the real ones are never
// touched and no device action is taken. The settings dialog shows shownFolder
// as the skin folder (the folder itself when empty). False with a reason on
// failure.
bool RenderPreview(const std::string& folder, const std::string& shownFolder, const std::vector<ScreenSize>& sizes,
    const std::string& outPath, std::vector<PreviewCell>& cells, std::string& error);
