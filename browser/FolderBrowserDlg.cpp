#include "browser/FolderBrowserDlg.h"

#include "res/resource.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinPaths.h"

namespace {

constexpr int kBrowserScreen = 5;

constexpr DWORD kPlainTree = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
    TVS_LINESATROOT | TVS_DISABLEDRAGDROP;
constexpr DWORD kCheckTree = kPlainTree | TVS_CHECKBOXES;

struct ModeOptions {
    DWORD style;
    LPCWSTR filter;
    bool foldersOnly;
    bool romFiles;
    UINT noFileMessage; // 0: the mode hands back one path
};

// Modes 1 to 5.
constexpr ModeOptions kModes[] = {
    {kPlainTree, u"", true, false, 0},
    {kCheckTree, u".exe", false, false, IDS_NO_FILE},
    {kPlainTree, u".exe", false, false, 0},
    {kCheckTree, u"", false, false, IDS_NO_FILES_OR_FOLDERS},
    {kCheckTree, u"", false, true, IDS_NO_FILES_OR_FOLDERS},
};

const ModeOptions* OptionsOf(int nMode)
{
    return nMode >= bmFolder && nMode <= bmCheckAllWithRom ? &kModes[nMode - 1] : nullptr;
}

} // namespace

CFolderBrowserDlg::CFolderBrowserDlg(
    CString strImageExt, CString strSkinFolder, int nMode, CStringArray* pFolders, CStringArray* pFiles, CWnd* pParent)
    : CSkinDialog(
          IDD_FOLDER_BROWSER, kBrowserScreen, IDS_ERROR, std::move(strImageExt), std::move(strSkinFolder), pParent),
      m_nMode(nMode), m_pFolders(pFolders), m_pFiles(pFiles)
{
}

void CFolderBrowserDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
}

BOOL CFolderBrowserDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetupImageButtons({&m_btnOK, &m_btnCancel}, m_hBackground);
    m_btnOK.SetAccessibleName(IDS_NAME_OK);
    m_btnCancel.SetAccessibleName(IDS_NAME_CANCEL);
    m_strResult = ProgramFolder();

    CRect rc;
    GetClientRect(&rc);
    PlaceOkCancel(m_btnOK, m_btnCancel, rc);
    // Picking one folder, the tree fills the area above the buttons.
    CRect rcTree(10, 10, 225, 200);
    if (m_nMode == bmFolder)
        rcTree = IsVgaScreen() ? CRect(rc.left + 10, rc.top + 10, rc.right - 10, rc.bottom - 100)
                               : CRect(rc.left + 5, rc.top + 5, rc.right - 5, rc.bottom - 60);
    if (const ModeOptions* pOptions = OptionsOf(m_nMode)) {
        m_tree.Create(AFX_WNDCLASS_TREEVIEW, u"", pOptions->style, rcTree, this, IDC_FOLDER_TREE);
        m_tree.Fill(pOptions->foldersOnly, pOptions->romFiles, pOptions->filter);
        // Picking a skin folder starts from the one in use.
        if (m_nMode == bmFolder)
            m_tree.SelectPath(m_strSkinFolder);
        m_tree.SetAccessibleName(IDS_NAME_FOLDERS);
        // The keyboard starts in the folders, above OK and Cancel; Return then picks one.
        m_tree.SetFocus();
        return FALSE;
    }
    return TRUE;
}

BOOL CFolderBrowserDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR && pNMHDR->idFrom == IDC_FOLDER_TREE && pNMHDR->code == NM_CLICK) {
        const DWORD dwPos = GetMessagePos();
        TVHITTESTINFO hti{};
        hti.pt = POINT{short(LOWORD(dwPos)), short(HIWORD(dwPos))};
        MapWindowPoints(nullptr, pNMHDR->hwndFrom, &hti.pt, 1);
        m_tree.HitTest(&hti);
        if (hti.flags & TVHT_ONITEMSTATEICON)
            m_tree.OnStateIconClick(hti.hItem);
    }
    return CSkinDialog::OnNotify(wParam, lParam, pResult);
}

void CFolderBrowserDlg::OnOK()
{
    const ModeOptions* pOptions = OptionsOf(m_nMode);
    if (pOptions && !pOptions->noFileMessage) {
        CString strPath;
        m_tree.GetItemPath(strPath, true, nullptr);
        if (!strPath.IsEmpty())
            m_strResult = strPath;
    } else if (pOptions && m_pFiles && m_pFolders) {
        // Escape while the ticked folders are read: as Cancel.
        if (m_tree.CollectChecked(*m_pFiles, *m_pFolders) < 0) {
            OnCancel();
            return;
        }
        if (m_pFiles->GetSize() == 0) {
            CString strMessage;
            strMessage.LoadString(pOptions->noFileMessage);
            MessageBox(strMessage, u"Quillet", MB_ICONEXCLAMATION | MB_OK);
        }
    }
    CSkinDialog::OnOK();
}
