// The frame every skinned dialog follows: the skin folder and picture type
// it is given, and its screen's picture, loaded when it is initialised and
// painted as its whole background. The picture is the dialog's own: it is
// released when the dialog loads another (opened again) and when it goes.
#pragma once

#include "framework/dialog.h"
#include "platform/image.h"

class CSkinDialog : public CDialog {
public:
    // The screen number names the picture; the caption (a string id) is the
    // one of the box that says it cannot be loaded.
    CSkinDialog(
        UINT nIDTemplate, int nScreen, UINT nIDErrorCaption, CString strImageExt, CString strSkinFolder, CWnd* pParent);
    ~CSkinDialog() override;

    // The framework's initialisation, which binds the controls, then the picture.
    BOOL OnInitDialog() override;

    HBITMAP m_hBackground = nullptr;
    CString m_strImageExt;
    CString m_strSkinFolder;

    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()

private:
    int m_nScreen;
    UINT m_nIDErrorCaption;
};
