#include "monitor/QuilletView.h"

#include "framework/app.h"
#include "framework/snapshot.h"
#include "platform/disk.h"
#include "platform/memory.h"
#include "res/resource.h"
#include "skin/SkinColourFile.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinPaths.h"
#include "support/SettingsStore.h"

BEGIN_MESSAGE_MAP(CQuilletView, CFormView)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_ICON_BATTERY, &CQuilletView::OnNothing)
    ON_BN_CLICKED(IDC_ICON_MEMORY, &CQuilletView::OnNothing)
    ON_BN_CLICKED(IDC_ICON_STORAGE, &CQuilletView::OnNothing)
    ON_BN_CLICKED(IDC_BATTERY_TEXT, &CQuilletView::OnNothing)
    ON_BN_CLICKED(IDC_ICON_BACKUP, &CQuilletView::OnKeepOpen)
    ON_COMMAND(ID_KEEP_OPEN, &CQuilletView::OnKeepOpen)
    ON_BN_CLICKED(IDC_MEMORY_TEXT, &CQuilletView::OnNextMemoryText)
    ON_BN_CLICKED(IDC_STORAGE_TEXT, &CQuilletView::OnNextStorageText)
    ON_BN_CLICKED(IDC_MEMORY_DIALOG, &CQuilletView::OnMemoryDialog)
    ON_BN_CLICKED(IDC_EXIT, &CQuilletView::OnExit)
    ON_COMMAND(ID_EXIT_TOOL, &CQuilletView::OnExit)
    ON_BN_CLICKED(IDC_BACKLIGHT, &CQuilletView::OnBacklight)
    ON_BN_CLICKED(IDC_SOFT_RESET, &CQuilletView::OnSoftReset)
    ON_BN_CLICKED(IDC_POWER_OFF, &CQuilletView::OnPowerKey)
    ON_COMMAND(ID_ABOUT_TOOL, &CQuilletView::OnAbout)
    ON_COMMAND(ID_ABOUT_MENU, &CQuilletView::OnAbout)
    ON_COMMAND(ID_SETTINGS_TOOL, &CQuilletView::OnSettings)
    ON_COMMAND(ID_SETTINGS_MENU, &CQuilletView::OnSettings)
    ON_MESSAGE(WM_USERACTIVITY, &CQuilletView::OnUserActivity)
END_MESSAGE_MAP()

CQuilletView::CQuilletView() : CFormView(IDD_QUILLET_FORM)
{
}

CQuilletView::~CQuilletView()
{
    DeleteObject(m_hBackground);
}

BOOL CQuilletView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CFormView::PreCreateWindow(cs);
}

void CQuilletView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STORAGE_TEXT, m_btnStorageText);
    DDX_Control(pDX, IDC_MEMORY_TEXT, m_btnMemoryText);
    DDX_Control(pDX, IDC_BATTERY_TEXT, m_btnBatteryText);
    DDX_Control(pDX, IDC_BAR_BATTERY, m_barBattery);
    DDX_Control(pDX, IDC_BAR_BACKUP, m_barBackup);
    DDX_Control(pDX, IDC_BAR_MEMORY, m_barMemory);
    DDX_Control(pDX, IDC_BAR_STORAGE, m_barStorage);
    DDX_Control(pDX, IDC_ICON_BATTERY, m_btnBattery);
    DDX_Control(pDX, IDC_ICON_BACKUP, m_btnBackup);
    DDX_Control(pDX, IDC_ICON_MEMORY, m_btnMemory);
    DDX_Control(pDX, IDC_ICON_STORAGE, m_btnStorage);
    DDX_Control(pDX, IDC_MEMORY_DIALOG, m_btnMemoryDialog);
    DDX_Control(pDX, IDC_EXIT, m_btnExit);
    DDX_Control(pDX, IDC_BACKLIGHT, m_btnBacklight);
    DDX_Control(pDX, IDC_SOFT_RESET, m_btnSoftReset);
    DDX_Control(pDX, IDC_POWER_OFF, m_btnPowerOff);
}

void CQuilletView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    AfxRegisterSnapshot(this, 1);

    m_strProgramFolder = ProgramFolder();

    const CString strSkinPath = ReadSettings();
    m_strSkinFolder = strSkinPath.IsEmpty() ? DefaultSkinFolder() : strSkinPath;

    m_strColourFile = ReadSkinTextFile(m_strSkinFolder + CString(std::u16string(1, PATH_SEPARATOR)) + SKIN_COLOUR_FILE);
    ReadSkinImageType(m_strColourFile, m_strImageExt);
    ReadSkinColour(m_strColourFile, SKIN_MAIN_TEXT.lpszKey, m_clrMainText);
    ReadSkinColour(m_strColourFile, SKIN_BAR_TEXT.lpszKey, m_clrBarText);
    ReadSkinColour(m_strColourFile, SKIN_BAR_BACK.lpszKey, m_clrBarBack);
    ReadSkinColour(m_strColourFile, SKIN_BAR_NORMAL.lpszKey, m_clrBarNormal);
    ReadSkinColour(m_strColourFile, SKIN_BAR_LOW.lpszKey, m_clrBarLow);
    ReadSkinColour(m_strColourFile, SKIN_BAR_CRITICAL.lpszKey, m_clrBarCritical);

    // The buttons keep drawing the old picture until they get the new one.
    const HBITMAP hOld = m_hBackground;
    m_hBackground = LoadSkinImage(this, SkinImagePath(m_strSkinFolder, 1, m_strImageExt), IDS_ERROR);

    m_arrFigures.RemoveAll();
    const HFONT hOldFont = m_font.Detach();
    CreateTextFont();
    SetupControls();
    DeleteObject(hOld);
    DeleteObject(hOldFont);

    ReadBattery();

    MEMORYSTATUS ms{};
    ms.dwLength = sizeof ms;
    GlobalMemoryStatus(&ms);
    m_arrFigures.Add(ms.dwAvailPhys);
    m_arrFigures.Add(ms.dwTotalPhys);

    ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
    GetDiskFreeSpaceExW(nullptr, &freeToCaller, &total, &totalFree);
    m_arrFigures.Add(freeToCaller.QuadPart);
    m_arrFigures.Add(total.QuadPart);

    m_btnBatteryText.SetWindowText(BatteryPercentText());
    UpdateMemoryText();
    UpdateStorageText();
    UpdateBars();

    SetTimer(AUTO_CLOSE_TIMER, UINT(m_nAutoCloseSeconds) * 1000, nullptr);
}

CString CQuilletView::ReadSettings()
{
    const CLuString strSkinPath = ReadSettingsStore(m_nAutoCloseSeconds, m_bSoftResetWarning);
    // A string without buffer reads as the empty text.
    return CString(static_cast<LPCWSTR>(strSkinPath));
}

void CQuilletView::CreateTextFont()
{
    CreateSkinFont(m_font, IsVgaScreen() ? 40 : 20);
}

void CQuilletView::SetupControls()
{
    SetupImageButtons(
        {&m_btnBattery, &m_btnBackup, &m_btnMemory, &m_btnStorage, &m_btnMemoryDialog, &m_btnExit, &m_btnBacklight,
            &m_btnSoftReset, &m_btnPowerOff, &m_btnBatteryText, &m_btnMemoryText, &m_btnStorageText},
        m_hBackground);
    for (CImageButton* pButton : {&m_btnBatteryText, &m_btnMemoryText, &m_btnStorageText})
        SetupTextButton(*pButton, m_clrMainText, -1, 0, m_font);

    // Screen readers read each read-out's name before its text: "Memory: Free: ...".
    const struct {
        CWnd* pControl;
        UINT nIDName;
        UINT nIDDescription;
    } names[] = {
        {&m_btnBattery, IDS_NAME_MAIN_BATTERY, 0},
        {&m_btnBatteryText, IDS_NAME_MAIN_BATTERY, 0},
        {&m_barBattery, IDS_NAME_MAIN_BATTERY, 0},
        {&m_btnBackup, IDS_NAME_SECOND_BATTERY, IDS_NAME_KEEP_OPEN},
        {&m_barBackup, IDS_NAME_SECOND_BATTERY, 0},
        {&m_btnMemory, IDS_NAME_MEMORY, 0},
        {&m_btnMemoryText, IDS_NAME_MEMORY, IDS_DESC_NEXT_FIGURE},
        {&m_barMemory, IDS_NAME_MEMORY, 0},
        {&m_btnStorage, IDS_NAME_STORAGE, 0},
        {&m_btnStorageText, IDS_NAME_STORAGE, IDS_DESC_NEXT_FIGURE},
        {&m_barStorage, IDS_NAME_STORAGE, 0},
        {&m_btnMemoryDialog, IDS_NAME_TASK_LIST, 0},
        {&m_btnBacklight, IDS_NAME_BRIGHTNESS, 0},
        {&m_btnSoftReset, IDS_NAME_RESTART, 0},
        {&m_btnPowerOff, IDS_NAME_SUSPEND, 0},
        {&m_btnExit, IDS_NAME_EXIT, 0},
    };
    for (const auto& n : names)
        n.pControl->SetAccessibleName(n.nIDName, n.nIDDescription);
}

void CQuilletView::OnPaint()
{
    PaintSkinImage(this, m_hBackground);
}

void CQuilletView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != AUTO_CLOSE_TIMER) {
        CFormView::OnTimer(nIDEvent);
        return;
    }
    KillTimer(AUTO_CLOSE_TIMER);
    // Someone who listens to a screen reader takes longer than any delay:
    // the window then stays until it is closed.
    if (AfxIsAccessibilityActive())
        return;
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_CLOSE, 0, 0);
}

LRESULT CQuilletView::OnUserActivity(WPARAM, LPARAM)
{
    // Nobody is cut off while using the window: a running countdown starts
    // again (with its own period); a stopped one stays stopped.
    if (const UINT nElapse = AfxGetTimerElapse(m_hWnd, AUTO_CLOSE_TIMER))
        SetTimer(AUTO_CLOSE_TIMER, nElapse, nullptr);
    return 0;
}

void CQuilletView::OnDestroy()
{
    CFormView::OnDestroy();
}

void CQuilletView::CloseProgram()
{
    KillTimer(AUTO_CLOSE_TIMER);
    m_arrFigures.RemoveAll();
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_CLOSE, 0, 0);
}
