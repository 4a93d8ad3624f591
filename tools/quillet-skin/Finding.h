// One thing the checker found about a skin: where, how bad, what.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

enum class Severity {
    Note,    // how the program reads something, nothing wrong
    Warning, // read, but not as written
    Error,   // a part of the skin the program cannot use
};

struct Finding {
    Severity severity = Severity::Note;
    // A stable word for tools: "picture-missing", "colour", "duplicate-key", ...
    std::string kind;
    std::string file;
    int line = 0; // 0: the file as a whole
    std::string message;
    std::string key;                 // the colour file's key, if any
    std::optional<COLORREF> colour;  // the colour the program uses, if any
    std::string imageType;           // the picture type the program uses, if any
    std::vector<std::string> quirks; // the format's quirks that explain a difference
    std::string standIn;             // the default skin's picture the program takes instead, if any
};
