// The About box in the skin's look: name, version, a notice and the credit line.
#pragma once

#include "framework/dialog.h"
#include "skin/ImageButton.h"

class CSkinAboutDlg : public CDialog {
public:
    CSkinAboutDlg(COLORREF clrText, const CString& strImageExt, const CString& strSkinFolder, CWnd* pParent = nullptr);
    ~CSkinAboutDlg() override;

    BOOL OnInitDialog() override;

    CImageButton m_btnIcon;
    CImageButton m_btnName;
    CImageButton m_btnVersion;
    CImageButton m_btnNotice;
    CImageButton m_btnCredit;
    HBITMAP m_hBackground = nullptr;
    COLORREF m_clrText;
    CString m_strImageExt;
    CString m_strSkinFolder;
    CFont m_fontLarge;
    CFont m_fontSmall;

    void OnPaint();
    void OnDestroy();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()
};
