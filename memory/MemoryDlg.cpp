#include "memory/MemoryDlg.h"

#include "platform/disk.h"
#include "platform/metrics.h"
#include "platform/synch.h"
#include "platform/volumes.h"
#include "res/resource.h"
#include "skin/Readout.h"
#include "skin/SkinDrawing.h"

namespace {

constexpr int kMemoryScreen = 2;

// Storage cards are temporary folders to the platform.
constexpr DWORD kVolumeAttributes = FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_DIRECTORY;

constexpr READOUT_FORMATS kFormats{IDS_VOLUME_FREE, IDS_VOLUME_TOTAL, IDS_VOLUME_USED, IDS_VOLUME_FREE_OF_TOTAL};

constexpr WCHAR kNoVolume[] = u"-------";

} // namespace

BEGIN_MESSAGE_MAP(CMemoryDlg, CSkinDialog)
    ON_BN_CLICKED(IDC_REFRESH_TASKS, &CMemoryDlg::FillTaskList)
    ON_BN_CLICKED(IDC_KILL_TASK, &CMemoryDlg::OnKillTask)
    ON_BN_CLICKED(IDC_VOLUME_TEXT1, &CMemoryDlg::OnNextVolumeText1)
    ON_BN_CLICKED(IDC_VOLUME_TEXT2, &CMemoryDlg::OnNextVolumeText2)
    ON_BN_CLICKED(IDC_VOLUME_TEXT3, &CMemoryDlg::OnNextVolumeText3)
END_MESSAGE_MAP()

CMemoryDlg::CMemoryDlg(COLORREF clrMainText, COLORREF clrBarText, COLORREF clrBarBack, COLORREF clrBarNormal,
    const CString& strImageExt, const CString& strSkinFolder, CWnd* pParent)
    : CSkinDialog(IDD_MEMORY, kMemoryScreen, IDS_QUILLET_ERROR, strImageExt, strSkinFolder, pParent),
      m_clrMainText(clrMainText), m_clrBarText(clrBarText), m_clrBarBack(clrBarBack), m_clrBarNormal(clrBarNormal)
{
}

void CMemoryDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KILL_TASK, m_btnKill);
    DDX_Control(pDX, IDC_REFRESH_TASKS, m_btnRefresh);
    DDX_Control(pDX, IDC_VOLUME_ICON1, m_btnVolumeIcon1);
    DDX_Control(pDX, IDC_VOLUME_ICON3, m_btnVolumeIcon3);
    DDX_Control(pDX, IDC_VOLUME_ICON2, m_btnVolumeIcon2);
    DDX_Control(pDX, IDC_VOLUME_TEXT1, m_btnVolumeText1);
    DDX_Control(pDX, IDC_VOLUME_TEXT3, m_btnVolumeText3);
    DDX_Control(pDX, IDC_VOLUME_TEXT2, m_btnVolumeText2);
    DDX_Control(pDX, IDC_VOLUME_BAR1, m_barVolume1);
    DDX_Control(pDX, IDC_VOLUME_BAR3, m_barVolume3);
    DDX_Control(pDX, IDC_VOLUME_BAR2, m_barVolume2);
}

BOOL CMemoryDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    for (CLevelBar* pBar : {&m_barVolume1, &m_barVolume2, &m_barVolume3})
        pBar->ShowWindow(SW_SHOWNORMAL);
    CreateSkinFont(m_font, IsVgaScreen() ? 40 : 20);

    SetupImageButtons({&m_btnVolumeIcon1, &m_btnVolumeIcon3, &m_btnVolumeIcon2, &m_btnVolumeText1, &m_btnVolumeText3,
                          &m_btnVolumeText2, &m_btnRefresh, &m_btnKill},
        m_hBackground);
    for (CImageButton* pButton : {&m_btnVolumeText1, &m_btnVolumeText3, &m_btnVolumeText2})
        SetupTextButton(*pButton, m_clrMainText, -1, 0, m_font);

    m_btnRefresh.SetAccessibleName(IDS_NAME_REFRESH);
    m_btnKill.SetAccessibleName(IDS_NAME_END_TASK);
    FindVolumes();
    UpdateVolumeText1();
    UpdateVolumeText2();
    UpdateVolumeText3();
    UpdateVolumeBars();

    CreateTaskIcons();
    if (CWnd* pList = GetDlgItem(IDC_TASK_LIST)) {
        m_hTaskList = pList->m_hWnd;
        pList->SetAccessibleName(IDS_NAME_PROGRAMS);
    }
    SetupTaskList();
    FillTaskList();
    return TRUE;
}

void CMemoryDlg::FindVolumes()
{
    m_nVolumeCount = 0;
    m_arrVolumeNames.RemoveAll();
    m_arrVolumeFigures.RemoveAll();
    Sleep(50);

    WIN32_FIND_DATA findData{};
    const HANDLE hSearch = FindFirstFlashCard(&findData);
    if (hSearch == INVALID_HANDLE_VALUE)
        return;
    // Any failure of the next entry ends the walk, so none counts twice.
    do {
        if ((findData.dwFileAttributes & kVolumeAttributes) != kVolumeAttributes)
            continue;
        ++m_nVolumeCount;
        m_arrVolumeNames.Add(CString(findData.cFileName));
        // A volume that cannot be measured shows 0 of 0.
        ULARGE_INTEGER free{}, total{}, totalFree{};
        GetDiskFreeSpaceExW(findData.cFileName, &free, &total, &totalFree);
        m_arrVolumeFigures.Add(free.QuadPart);
        m_arrVolumeFigures.Add(total.QuadPart);
    } while (FindNextFlashCard(hSearch, &findData));
    FindClose(hSearch);
}

void CMemoryDlg::UpdateVolumeText(int nRow, CImageButton& button, int nMode)
{
    if (m_nVolumeCount < nRow) {
        button.SetAlignment(0, 0);
        button.SetWindowText(kNoVolume);
        return;
    }
    const CString strText = ReadoutText(
        kFormats, nMode, m_arrVolumeFigures[2 * nRow - 2], m_arrVolumeFigures[2 * nRow - 1]);
    // The alignment is read when the new text is painted.
    if (SetTextIfChanged(button, strText))
        button.SetAlignment(-1, 0);
}

void CMemoryDlg::UpdateVolumeText1()
{
    UpdateVolumeText(1, m_btnVolumeText1, m_nVolumeTextMode1);
}

void CMemoryDlg::UpdateVolumeText2()
{
    UpdateVolumeText(2, m_btnVolumeText2, m_nVolumeTextMode2);
}

void CMemoryDlg::UpdateVolumeText3()
{
    UpdateVolumeText(3, m_btnVolumeText3, m_nVolumeTextMode3);
}

void CMemoryDlg::UpdateVolumeBar(int nRow, CLevelBar& bar)
{
    bar.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    bar.SetColors(m_clrBarBack, m_clrBarNormal, m_clrBarText, 1);
    int nPos = 0;
    if (m_nVolumeCount >= nRow) {
        nPos = PercentOf(m_arrVolumeFigures[2 * nRow - 2], m_arrVolumeFigures[2 * nRow - 1]);
        bar.SetText(m_arrVolumeNames[nRow - 1], 1);
    }
    bar.SendMessage(PBM_SETPOS, WPARAM(nPos), 0);
}

void CMemoryDlg::UpdateVolumeBars()
{
    UpdateVolumeBar(1, m_barVolume1);
    UpdateVolumeBar(2, m_barVolume2);
    UpdateVolumeBar(3, m_barVolume3);
    // Screen readers know a row by its volume: its icon, its text and its bar.
    const struct {
        int nRow;
        CWnd* controls[3];
    } rows[] = {
        {1, {&m_btnVolumeIcon1, &m_btnVolumeText1, &m_barVolume1}},
        {2, {&m_btnVolumeIcon2, &m_btnVolumeText2, &m_barVolume2}},
        {3, {&m_btnVolumeIcon3, &m_btnVolumeText3, &m_barVolume3}},
    };
    for (const auto& row : rows) {
        CString strName;
        if (m_nVolumeCount >= row.nRow)
            strName = m_arrVolumeNames[row.nRow - 1];
        else
            strName.LoadString(IDS_NAME_NO_VOLUME);
        for (CWnd* pControl : row.controls)
            pControl->SetAccessibleName(strName);
    }
}

void CMemoryDlg::OnNextVolumeText1()
{
    m_nVolumeTextMode1 = NextReadoutMode(m_nVolumeTextMode1);
    UpdateVolumeText1();
}

void CMemoryDlg::OnNextVolumeText2()
{
    m_nVolumeTextMode2 = NextReadoutMode(m_nVolumeTextMode2);
    UpdateVolumeText2();
}

void CMemoryDlg::OnNextVolumeText3()
{
    m_nVolumeTextMode3 = NextReadoutMode(m_nVolumeTextMode3);
    UpdateVolumeText3();
}
