// The memory dialog: the running programs, which can be ended, over up to
// three storage volumes with their space.
#pragma once

#include "framework/array.h"
#include "framework/imagelist.h"
#include "skin/ImageButton.h"
#include "skin/LevelBar.h"
#include "skin/SkinDialog.h"

class CMemoryDlg : public CSkinDialog {
public:
    CMemoryDlg(COLORREF clrMainText, COLORREF clrBarText, COLORREF clrBarBack, COLORREF clrBarNormal,
        const CString& strImageExt, const CString& strSkinFolder, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    void FindVolumes();
    void UpdateVolumeText1();
    void UpdateVolumeText2();
    void UpdateVolumeText3();
    void UpdateVolumeBars();

    void CreateTaskIcons();
    void SetupTaskList();
    void FillTaskList();
    // 0: no process of that name (or no snapshot); 2: the last one was
    // ended; -2: the last one could not be opened.
    int KillTasksByName(const CString& strName);

    CImageButton m_btnVolumeIcon1;
    CImageButton m_btnVolumeIcon3;
    CImageButton m_btnVolumeIcon2;
    CImageButton m_btnVolumeText1;
    CImageButton m_btnVolumeText3;
    CImageButton m_btnVolumeText2;
    CImageButton m_btnRefresh;
    CImageButton m_btnKill;
    CLevelBar m_barVolume1;
    CLevelBar m_barVolume3;
    CLevelBar m_barVolume2;
    int m_nVolumeTextMode1 = 0;
    int m_nVolumeTextMode2 = 0;
    int m_nVolumeTextMode3 = 0;
    CArray<CString> m_arrVolumeNames;
    // Free to the caller, then total, in bytes, two per volume.
    CArray<ULONGLONG> m_arrVolumeFigures;
    int m_nVolumeCount = 0;
    CFont m_font;
    COLORREF m_clrMainText;
    COLORREF m_clrBarText;
    COLORREF m_clrBarBack;
    COLORREF m_clrBarNormal;
    CImageList m_imlTasks;
    HWND m_hTaskList = nullptr;

    // Message handlers.
    void OnKillTask();
    void OnNextVolumeText1();
    void OnNextVolumeText2();
    void OnNextVolumeText3();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    // Row k (1 to 3): its text button, its bar, its mode.
    void UpdateVolumeText(int nRow, CImageButton& button, int nMode);
    void UpdateVolumeBar(int nRow, CLevelBar& bar);
};
