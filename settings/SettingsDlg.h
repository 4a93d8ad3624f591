// The settings dialog: the skin folder (typed or browsed), the auto-close
// delay and the question before a soft reset. OK writes all three; they
// take effect at the next start.
#pragma once

#include "framework/edit.h"
#include "skin/ImageButton.h"
#include "skin/SkinDialog.h"

class CSettingsDlg : public CSkinDialog {
public:
    CSettingsDlg(COLORREF clrMainText, int nDelay, BOOL bSoftResetWarning, CString strImageExt,
        CString strProgramFolder, CString strSkinFolder, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    void ShowDelay(int nSeconds);
    // The delay as the label shows it.
    int ReadDelay();
    // Takes the typed folder as the skin folder and writes it: 0 when
    // accepted, 1 when empty, 2 when it does not begin with the separator.
    int ApplySkinPath();

    CEdit m_editSkinFolder;
    CImageButton m_btnCancel;
    CImageButton m_btnOK;
    CImageButton m_btnBrowse;
    CImageButton m_btnDelay;
    CImageButton m_btnDelayUp;
    CImageButton m_btnDelayDown;
    CImageButton m_btnWarning;
    int m_nWarningCheck = 0;
    CString m_strProgramFolder;
    int m_nDelay;
    BOOL m_bSoftResetWarning;
    CFont m_fontSmall;
    CFont m_fontLarge;
    COLORREF m_clrMainText;

    void OnDelayDown();
    void OnDelayUp();
    void OnBrowse();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    // The delay label's words around the number.
    CString m_strDelayPrefix;
    CString m_strDelaySuffix;
};
