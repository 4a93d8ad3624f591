// A read-out, as the monitor screen and the memory dialog show one: free,
// total, used or free over total of a byte count in megabytes on an image
// button, cycled by taps, and the free share as a level bar's position.
#pragma once

#include "framework/wnd.h"

// The string ids of the four formats, each with its own precision: free,
// total and used take one value, free over total two.
struct READOUT_FORMATS {
    UINT nIDFree;
    UINT nIDTotal;
    UINT nIDUsed;
    UINT nIDFreeOfTotal;
};

// The text of mode 0 to 3; empty for any other mode.
CString ReadoutText(const READOUT_FORMATS& formats, int nMode, ULONGLONG nFree, ULONGLONG nTotal);

// The mode after a tap: 0, 1, 2, 3, then 0 again; other values stay.
int NextReadoutMode(int nMode);

// Sets the window's text only when it differs, as setting it repaints;
// returns whether it did.
BOOL SetTextIfChanged(CWnd& wnd, const CString& strText);

// The integer percentage of part in whole, rounded half away from zero; 0
// when there is no whole.
int PercentOf(ULONGLONG nPart, ULONGLONG nWhole);
// The value rounded to 1 / factor, halves away from zero.
float RoundTo(float fValue, int nFactor);
