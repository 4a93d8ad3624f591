// What every skinned window does alike: paint its picture as its whole
// background, and make its bold fonts.
#pragma once

#include <initializer_list>

#include "framework/gdi.h"

class CWnd;

// Copies the picture to the window from its top-left corner, unscaled; where
// there is no picture the framework's plain colour shows.
void PaintSkinImage(CWnd* pWnd, HBITMAP hBackground);

class CImageButton;

// The window's image buttons show its picture under them and their labels.
void SetupImageButtons(std::initializer_list<CImageButton*> buttons, HBITMAP hBackground);

// A button that shows text: its colour, alignment and font (with redraw).
void SetupTextButton(CImageButton& button, COLORREF clrLabel, int nHAlign, int nVAlign, HFONT hFont);

// Bold "Tahoma" (or what the system has for it) of the given cell height,
// in place of the font the object held (a dialog opened again).
void CreateSkinFont(CFont& font, int nHeight);

// OK and Cancel in the bottom corners of a dialog's client area, sized for the screen.
void PlaceOkCancel(CWnd& ok, CWnd& cancel, const RECT& rcClient);
