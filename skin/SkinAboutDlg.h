// The About box in the skin's look: name, version, a notice and the credit line.
#pragma once

#include "skin/ImageButton.h"
#include "skin/SkinDialog.h"

class CSkinAboutDlg : public CSkinDialog {
public:
    CSkinAboutDlg(COLORREF clrText, const CString& strImageExt, const CString& strSkinFolder, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    CImageButton m_btnIcon;
    CImageButton m_btnName;
    CImageButton m_btnVersion;
    CImageButton m_btnNotice;
    CImageButton m_btnCredit;
    COLORREF m_clrText;
    CFont m_fontLarge;
    CFont m_fontSmall;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
