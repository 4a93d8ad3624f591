// The colour file's entries as the program reads them: for each key the value
// the program's own reader takes from the text, and where that differs from
// what the entry seems to say, the quirk of the format that explains it;
// keys that stand in comments, inside longer words or twice, and unknown keys.
#pragma once

#include <string>
#include <vector>

#include "framework/string.h"
#include "tools/quillet-skin/Finding.h"

struct ColourFileReading {
    std::vector<Finding> findings;
    CString imageType; // what the program reads the pictures as
    int typeLine = 0;  // where SkinType is read from; 0 when it is not
};

// The text as the program holds it, and whether a finding about the file
// itself already says why nothing is set (then a key that is not set is a
// note, not a warning).
ColourFileReading CheckColourEntries(const std::string& file, const CString& text, bool fileExplainsAbsence);
