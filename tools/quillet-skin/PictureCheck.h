// The ten pictures of a skin, loaded with the program's own loader and
// measured against the windows they back.
#pragma once

#include <string>
#include <vector>

#include "framework/string.h"
#include "tools/quillet-skin/Finding.h"

// One finding for each picture that is missing, cannot be read or decoded,
// or whose size differs from its window's, on both screen sizes.
std::vector<Finding> CheckPictures(const CString& strSkinFolder, const CString& strImageType);

// How many of the ten pictures of the type are files in the folder.
int CountPictures(const CString& strSkinFolder, const CString& strImageType);
