// The one-tap actions of the monitor view and what each does to the countdown.
#include "framework/app.h"
#include "monitor/QuilletView.h"

void CQuilletView::OnKeepOpen()
{
    KillTimer(AUTO_CLOSE_TIMER);
}

void CQuilletView::OnNextMemoryText()
{
    if (m_nMemoryTextMode >= 0 && m_nMemoryTextMode <= 3)
        m_nMemoryTextMode = (m_nMemoryTextMode + 1) % 4;
    UpdateMemoryText();
}

void CQuilletView::OnNextStorageText()
{
    if (m_nStorageTextMode >= 0 && m_nStorageTextMode <= 3)
        m_nStorageTextMode = (m_nStorageTextMode + 1) % 4;
    UpdateStorageText();
}

void CQuilletView::OnExit()
{
    CloseProgram();
}

void CQuilletView::OnMemoryDialog()
{
    KillTimer(AUTO_CLOSE_TIMER);
}

void CQuilletView::OnBacklight()
{
}

void CQuilletView::OnSoftReset()
{
    KillTimer(AUTO_CLOSE_TIMER);
}

void CQuilletView::OnPowerKey()
{
    CloseProgram();
}

void CQuilletView::OnAbout()
{
    KillTimer(AUTO_CLOSE_TIMER);
}

void CQuilletView::OnSettings()
{
    KillTimer(AUTO_CLOSE_TIMER);
}
