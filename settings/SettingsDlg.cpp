#include "settings/SettingsDlg.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "browser/FolderBrowserDlg.h"
#include "platform/metrics.h"
#include "res/resource.h"
#include "skin/SkinDrawing.h"
#include "support/SettingsStore.h"

namespace {

constexpr int kSettingsScreen = 4;
constexpr int kShortestDelay = 2;
constexpr int kLongestDelay = 15;

} // namespace

BEGIN_MESSAGE_MAP(CSettingsDlg, CSkinDialog)
    ON_BN_CLICKED(IDC_DELAY_DOWN, &CSettingsDlg::OnDelayDown)
    ON_BN_CLICKED(IDC_DELAY_UP, &CSettingsDlg::OnDelayUp)
    ON_BN_CLICKED(IDC_BROWSE, &CSettingsDlg::OnBrowse)
    ON_WM_CTLCOLORSTATIC()
END_MESSAGE_MAP()

CSettingsDlg::CSettingsDlg(COLORREF clrMainText, int nDelay, BOOL bSoftResetWarning, CString strImageExt,
    CString strProgramFolder, CString strSkinFolder, CWnd* pParent)
    : CSkinDialog(
          IDD_SETTINGS, kSettingsScreen, IDS_QUILLET_ERROR, std::move(strImageExt), std::move(strSkinFolder), pParent),
      m_strProgramFolder(std::move(strProgramFolder)), m_nDelay(nDelay), m_bSoftResetWarning(bSoftResetWarning),
      m_clrMainText(clrMainText)
{
}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SKIN_FOLDER, m_editSkinFolder);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_DELAY_TEXT, m_btnDelay);
    DDX_Control(pDX, IDC_DELAY_UP, m_btnDelayUp);
    DDX_Control(pDX, IDC_DELAY_DOWN, m_btnDelayDown);
    DDX_Control(pDX, IDC_WARNING_LABEL, m_btnWarning);
    DDX_Check(pDX, IDC_WARNING_CHECK, m_nWarningCheck);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    m_editSkinFolder.SetWindowText(m_strSkinFolder);

    const bool bVga = IsVgaScreen();
    CreateSkinFont(m_fontSmall, bVga ? 32 : 16);
    CreateSkinFont(m_fontLarge, bVga ? 48 : 24);
    SetupImageButtons(
        {&m_btnCancel, &m_btnOK, &m_btnBrowse, &m_btnDelay, &m_btnDelayUp, &m_btnDelayDown, &m_btnWarning},
        m_hBackground);
    for (CImageButton* pButton : {&m_btnDelay, &m_btnWarning})
        SetupTextButton(*pButton, m_clrMainText, 0, 0, m_fontSmall);
    CString strWarning;
    strWarning.LoadString(IDS_WARNING_LABEL);
    m_btnWarning.SetWindowText(strWarning);
    m_btnWarning.SetLabelFor(GetDlgItem(IDC_WARNING_CHECK));
    const struct {
        CWnd* pControl;
        UINT nIDName;
    } names[] = {
        {&m_editSkinFolder, IDS_NAME_SKIN_FOLDER},
        {&m_btnBrowse, IDS_NAME_BROWSE},
        {&m_btnDelayDown, IDS_NAME_SHORTER},
        {&m_btnDelayUp, IDS_NAME_LONGER},
        {&m_btnOK, IDS_NAME_OK},
        {&m_btnCancel, IDS_NAME_CANCEL},
    };
    for (const auto& n : names)
        n.pControl->SetAccessibleName(n.nIDName);

    CRect rc;
    GetClientRect(&rc);
    PlaceOkCancel(m_btnOK, m_btnCancel, rc);

    m_strDelayPrefix.LoadString(IDS_DELAY_PREFIX);
    m_strDelaySuffix.LoadString(IDS_DELAY_SUFFIX);
    ShowDelay(m_nDelay);
    m_nWarningCheck = m_bSoftResetWarning;
    UpdateData(FALSE);
    return TRUE;
}

void CSettingsDlg::ShowDelay(int nSeconds)
{
    CString strText;
    strText.Format(u"%s%d%s", static_cast<LPCWSTR>(m_strDelayPrefix), nSeconds, static_cast<LPCWSTR>(m_strDelaySuffix));
    m_btnDelay.SetWindowText(strText);
}

int CSettingsDlg::ReadDelay()
{
    CString strLabel;
    m_btnDelay.GetWindowText(strLabel);
    // Every character of the words goes, wherever it stands in them.
    std::u16string text = strLabel.str();
    text.erase(0, std::min(text.find_first_not_of(m_strDelayPrefix.str()), text.size()));
    text.erase(text.find_last_not_of(m_strDelaySuffix.str()) + 1);
    std::string narrow;
    for (const char16_t c : text)
        narrow += c < 0x80 ? char(c) : '?';
    const long nValue = std::strtol(narrow.c_str(), nullptr, 10);
    return int(std::clamp<long>(nValue, INT_MIN, INT_MAX));
}

void CSettingsDlg::OnDelayDown()
{
    const int n = ReadDelay();
    if (n > kShortestDelay) {
        m_nDelay = n - 1;
        ShowDelay(n - 1);
    }
}

void CSettingsDlg::OnDelayUp()
{
    const int n = ReadDelay();
    if (n < kLongestDelay) {
        m_nDelay = n + 1;
        ShowDelay(n + 1);
    }
}

void CSettingsDlg::OnBrowse()
{
    CStringArray arrFolders;
    CStringArray arrFiles;
    CFolderBrowserDlg dlg(m_strImageExt, m_strSkinFolder, bmFolder, &arrFolders, &arrFiles, nullptr);
    if (dlg.DoModal() != IDOK)
        return;
    m_strSkinFolder = dlg.m_strResult;
    // Nothing selected: the default skin beside the program.
    if (m_strSkinFolder == m_strProgramFolder)
        m_strSkinFolder = m_strSkinFolder + u"Skins" + PATH_SEPARATOR + u"Default";
    m_editSkinFolder.SetWindowText(m_strSkinFolder);
}

int CSettingsDlg::ApplySkinPath()
{
    CString strText;
    m_editSkinFolder.GetWindowText(strText);
    // A browsed or unchanged folder is taken as it is.
    if (strText != m_strSkinFolder) {
        strText.TrimLeft(u' ').TrimRight(u' ');
        if (strText.IsEmpty())
            return 1;
        if (strText.GetAt(0) != PATH_SEPARATOR)
            return 2;
    }
    m_strSkinFolder = strText;
    WriteSkinPathSetting(m_strSkinFolder);
    return 0;
}

void CSettingsDlg::OnOK()
{
    // A refused folder keeps the dialog open, and says which rule it broke.
    if (const int nRefused = ApplySkinPath()) {
        CString strWhy;
        strWhy.LoadString(nRefused == 1 ? IDS_SKIN_FOLDER_EMPTY : IDS_SKIN_FOLDER_RELATIVE);
        MessageBox(strWhy, u"Quillet", MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    UpdateData(TRUE);
    WritePauseSetting(DWORD(m_nDelay));
    WriteSoftResetWarningSetting(DWORD(m_nWarningCheck));
    CSkinDialog::OnOK();
}

HBRUSH CSettingsDlg::OnCtlColor(CDC* pDC, CWnd*, UINT)
{
    // The check box shows the skin behind it.
    pDC->SetBkMode(TRANSPARENT);
    return GetStockObject(NULL_BRUSH);
}
