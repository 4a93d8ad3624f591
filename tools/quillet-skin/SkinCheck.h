// Everything the checker finds in a skin folder, read as the program reads it.
#pragma once

#include <string>
#include <vector>

#include "tools/quillet-skin/Finding.h"

struct SkinReport {
    std::string folder;
    std::vector<Finding> findings;
    int Count(Severity severity) const;
};

SkinReport CheckSkin(const std::string& folder);

// Plain text for a person: one "FILE:LINE: severity: message" line per
// finding, notes too (they give the colours as read), then a summary line.
std::string ReportText(const SkinReport& report);
// The same findings as one JSON document, for tools.
std::string ReportJson(const SkinReport& report);

// 0 when the skin is complete and reads as written; 1 with errors, or with
// warnings when bStrict.
int ExitCode(const SkinReport& report, bool bStrict);
