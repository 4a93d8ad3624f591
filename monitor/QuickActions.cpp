// The one-tap actions of the monitor view and what each does to the countdown.
#include "framework/app.h"
#include "memory/MemoryDlg.h"
#include "monitor/QuilletView.h"
#include "platform/device.h"
#include "res/resource.h"
#include "settings/SettingsDlg.h"
#include "skin/Readout.h"
#include "skin/SkinAboutDlg.h"

namespace {

constexpr UINT kDeclinedResetDelayMs = 2000;

} // namespace

void CQuilletView::SoftReset()
{
    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
}

void CQuilletView::PressPowerKey()
{
    keybd_event(VK_OFF, 0, 0, 0);
    keybd_event(VK_OFF, 0, KEYEVENTF_KEYUP, 0);
}

void CQuilletView::OnKeepOpen()
{
    KillTimer(AUTO_CLOSE_TIMER);
}

void CQuilletView::OnNextMemoryText()
{
    m_nMemoryTextMode = NextReadoutMode(m_nMemoryTextMode);
    UpdateMemoryText();
}

void CQuilletView::OnNextStorageText()
{
    m_nStorageTextMode = NextReadoutMode(m_nStorageTextMode);
    UpdateStorageText();
}

void CQuilletView::OnExit()
{
    CloseProgram();
}

void CQuilletView::OnMemoryDialog()
{
    KillTimer(AUTO_CLOSE_TIMER);
    CMemoryDlg dlg(m_clrMainText, m_clrBarText, m_clrBarBack, m_clrBarNormal, m_strImageExt, m_strSkinFolder, nullptr);
    dlg.DoModal();
}

void CQuilletView::OnBacklight()
{
    PROCESS_INFORMATION pi{};
    CreateProcessW(BACKLIGHT_APPLET, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &pi);
}

void CQuilletView::OnSoftReset()
{
    CString strPrompt;
    strPrompt.LoadString(IDS_SOFT_RESET_PROMPT);
    KillTimer(AUTO_CLOSE_TIMER);
    // Where no desktop will ask before every program ends, Quillet asks
    // whatever the setting; Enter or a stray Space answers No.
    if ((m_bSoftResetWarning || RebootNeedsConfirmation()) &&
        MessageBox(strPrompt, u"Quillet", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        SetTimer(AUTO_CLOSE_TIMER, kDeclinedResetDelayMs, nullptr);
        return;
    }
    SoftReset();
}

void CQuilletView::OnPowerKey()
{
    PressPowerKey();
    CloseProgram();
}

void CQuilletView::OnAbout()
{
    KillTimer(AUTO_CLOSE_TIMER);
    CSkinAboutDlg dlg(m_clrMainText, m_strImageExt, m_strSkinFolder, nullptr);
    dlg.DoModal();
}

void CQuilletView::OnSettings()
{
    KillTimer(AUTO_CLOSE_TIMER);
    CSettingsDlg dlg(m_clrMainText, m_nAutoCloseSeconds, m_bSoftResetWarning, m_strImageExt, m_strProgramFolder,
        m_strSkinFolder, nullptr);
    // The written settings take effect at the next start.
    if (dlg.DoModal() == IDOK)
        CloseProgram();
}
