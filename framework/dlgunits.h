// Dialog units. Templates are laid out in dialog units: x in quarters and y
// in eighths of the base units. One pair serves normal screens, 7 × 13
// pixels, and twice that, 14 × 26, serves screens taller than 320 pixels,
// so a form of 135 × 150 units is 236 × 244 pixels, or 473 × 488.
#pragma once

#include "framework/gdi.h"
#include "framework/resources.h"

struct AFX_BASE_UNITS {
    int cx;
    int cy;
};

AFX_BASE_UNITS AfxGetDialogBaseUnits();

// A template rectangle in pixels; position and size are mapped separately.
RECT AfxMapDialogRect(int x, int y, int cx, int cy);

// Creates the template's controls as children of the window.
void AfxCreateTemplateControls(CWnd* pParent, const AFX_DLGTEMPLATE* pTemplate);

class CWnd;
