#include "skin/SkinAboutDlg.h"

#include "platform/metrics.h"
#include "res/resource.h"
#include "skin/SkinDrawing.h"

namespace {

constexpr int kAboutScreen = 3;

} // namespace

CSkinAboutDlg::CSkinAboutDlg(COLORREF clrText, const CString& strImageExt, const CString& strSkinFolder, CWnd* pParent)
    : CSkinDialog(IDD_ABOUTBOX, kAboutScreen, IDS_QUILLET_ERROR, strImageExt, strSkinFolder, pParent),
      m_clrText(clrText)
{
}

void CSkinAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_ICON, m_btnIcon);
    DDX_Control(pDX, IDC_ABOUT_NAME, m_btnName);
    DDX_Control(pDX, IDC_ABOUT_VERSION, m_btnVersion);
    DDX_Control(pDX, IDC_ABOUT_NOTICE, m_btnNotice);
    DDX_Control(pDX, IDC_ABOUT_CREDIT, m_btnCredit);
}

BOOL CSkinAboutDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();

    const bool bVga = IsVgaScreen();
    CreateSkinFont(m_fontLarge, bVga ? 48 : 24);
    CreateSkinFont(m_fontSmall, bVga ? 32 : 16);

    SetupImageButtons({&m_btnIcon, &m_btnName, &m_btnVersion, &m_btnNotice, &m_btnCredit}, m_hBackground);
    for (CImageButton* pButton : {&m_btnName, &m_btnVersion})
        SetupTextButton(*pButton, m_clrText, -1, 0, m_fontLarge);
    for (CImageButton* pButton : {&m_btnNotice, &m_btnCredit})
        SetupTextButton(*pButton, m_clrText, 0, 0, m_fontSmall);

    CString strCredit;
    strCredit.LoadString(IDS_CREDIT_LINE);
    m_btnCredit.SetWindowText(strCredit);
    m_btnIcon.SetAccessibleName(IDS_NAME_PROGRAM);
    return TRUE;
}
