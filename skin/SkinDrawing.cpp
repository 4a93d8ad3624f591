#include "skin/SkinDrawing.h"

#include "framework/wnd.h"
#include "platform/metrics.h"
#include "skin/ImageButton.h"

void PaintSkinImage(CWnd* pWnd, HBITMAP hBackground)
{
    CPaintDC dc(pWnd);
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    CDC dcMemory;
    if (!dcMemory.CreateCompatibleDC(&dc))
        return;
    const HBITMAP hOld = dcMemory.SelectObject(hBackground);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMemory, 0, 0, SRCCOPY);
    dcMemory.SelectObject(hOld);
    dcMemory.DeleteDC();
}

void CreateSkinFont(CFont& font, int nHeight)
{
    font.DeleteObject();
    font.CreateFont(nHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, DEFAULT_QUALITY,
        FF_SCRIPT | VARIABLE_PITCH, u"Tahoma");
}

void SetupImageButtons(std::initializer_list<CImageButton*> buttons, HBITMAP hBackground)
{
    for (CImageButton* pButton : buttons) {
        pButton->m_hBackground = hBackground;
        pButton->m_bHideLabel = 0;
    }
}

void SetupTextButton(CImageButton& button, COLORREF clrLabel, int nHAlign, int nVAlign, HFONT hFont)
{
    button.SetLabelColor(clrLabel);
    button.SetAlignment(nHAlign, nVAlign);
    button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), 1);
}

void PlaceOkCancel(CWnd& ok, CWnd& cancel, const RECT& rc)
{
    if (IsVgaScreen()) {
        ok.MoveWindow(rc.left + 10, rc.bottom - 90, 96, 64, TRUE);
        cancel.MoveWindow(rc.right - 106, rc.bottom - 90, 96, 64, TRUE);
    } else {
        ok.MoveWindow(rc.left + 5, rc.bottom - 45, 64, 32, TRUE);
        cancel.MoveWindow(rc.right - 53, rc.bottom - 45, 64, 32, TRUE);
    }
}
