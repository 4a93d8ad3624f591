// The monitor screen: battery, memory and storage at a glance, the quick
// actions, and the countdown that closes the program.
#pragma once

#include "framework/array.h"
#include "framework/view.h"
#include "skin/ImageButton.h"
#include "skin/LevelBar.h"
#include "skin/SkinColourFile.h"

constexpr UINT_PTR AUTO_CLOSE_TIMER = 12365;

class CQuilletView : public CFormView {
public:
    CQuilletView();
    ~CQuilletView() override;

    void OnInitialUpdate() override;

    CString ReadSettings();
    BOOL ReadBattery();
    void UpdateBars();
    void UpdateMemoryText();
    void UpdateStorageText();
    void CloseProgram();
    void SoftReset();
    void PressPowerKey();

    // The text over the main battery: the percentage, or a word when the
    // platform reports none.
    CString BatteryPercentText() const;

    CLevelBar m_barBattery;
    CLevelBar m_barBackup;
    CLevelBar m_barMemory;
    CLevelBar m_barStorage;
    CImageButton m_btnBattery;
    CImageButton m_btnBackup;
    CImageButton m_btnMemory;
    CImageButton m_btnStorage;
    CImageButton m_btnMemoryDialog;
    CImageButton m_btnExit;
    CImageButton m_btnBacklight;
    CImageButton m_btnSoftReset;
    CImageButton m_btnPowerOff;
    CImageButton m_btnBatteryText;
    CImageButton m_btnMemoryText;
    CImageButton m_btnStorageText;

    HBITMAP m_hBackground = nullptr;
    CString m_strColourFile;
    CString m_strProgramFolder;
    CString m_strSkinFolder;
    CString m_strImageExt = SKIN_DEFAULT_IMAGE_TYPE;
    LONG m_nAutoCloseSeconds = 11;
    BOOL m_bSoftResetWarning = 0;
    // Available and total memory, free-to-caller and total storage, in bytes.
    CArray<ULONGLONG> m_arrFigures;
    int m_nBatteryPercent = 255;
    int m_nBatteryFlag = 0xFF;
    int m_nBackupFlag = 0xFF;
    int m_nMemoryTextMode = 0;
    int m_nStorageTextMode = 0;
    CFont m_font;
    COLORREF m_clrMainText = SKIN_MAIN_TEXT.clrDefault;
    COLORREF m_clrBarText = SKIN_BAR_TEXT.clrDefault;
    COLORREF m_clrBarBack = SKIN_BAR_BACK.clrDefault;
    COLORREF m_clrBarCritical = SKIN_BAR_CRITICAL.clrDefault;
    COLORREF m_clrBarLow = SKIN_BAR_LOW.clrDefault;
    COLORREF m_clrBarNormal = SKIN_BAR_NORMAL.clrDefault;

    // Message handlers.
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    void OnNothing() { }
    void OnKeepOpen();
    void OnNextMemoryText();
    void OnNextStorageText();
    void OnMemoryDialog();
    void OnExit();
    void OnBacklight();
    void OnSoftReset();
    void OnPowerKey();
    void OnAbout();
    void OnSettings();
    LRESULT OnUserActivity(WPARAM wParam, LPARAM lParam);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    DECLARE_MESSAGE_MAP()

private:
    void CreateTextFont();
    void SetupControls();
};
