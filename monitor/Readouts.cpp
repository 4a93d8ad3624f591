// The battery, memory and storage read-outs of the monitor view.
#include "monitor/QuilletView.h"
#include "platform/power.h"
#include "res/resource.h"
#include "skin/Readout.h"

namespace {

constexpr READOUT_FORMATS kFormats{IDS_MEMORY_FREE, IDS_MEMORY_TOTAL, IDS_MEMORY_USED, IDS_MEMORY_FREE_OF_TOTAL};

} // namespace

BOOL CQuilletView::ReadBattery()
{
    SYSTEM_POWER_STATUS_EX status{};
    if (!GetSystemPowerStatusEx(&status, TRUE)) {
        CString strText;
        CString strCaption;
        strText.LoadString(IDS_NO_BATTERY_STATUS);
        strCaption.LoadString(IDS_ERROR);
        MessageBox(strText, strCaption, MB_OK | MB_TOPMOST);
        return FALSE;
    }
    m_nBatteryFlag = status.BatteryFlag;
    m_nBatteryPercent = status.BatteryLifePercent;
    m_nBackupFlag = status.BackupBatteryFlag;
    return TRUE;
}

CString CQuilletView::BatteryPercentText() const
{
    // 255 means the platform doesn't know; desktops without a battery report it too.
    CString strText;
    if (m_nBatteryPercent < 0 || m_nBatteryPercent > 100) {
        strText.LoadString(m_nBatteryFlag == BATTERY_FLAG_NO_BATTERY ? IDS_NO_BATTERY : IDS_UNKNOWN_LEVEL);
        return strText;
    }
    strText.Format(u"%d%s", m_nBatteryPercent, u"%");
    return strText;
}

void CQuilletView::UpdateBars()
{
    m_barBattery.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    COLORREF clrFill = m_clrBarBack;
    switch (m_nBatteryFlag) {
    case BATTERY_FLAG_HIGH:
    case BATTERY_FLAG_CHARGING:
        clrFill = m_clrBarNormal;
        break;
    case BATTERY_FLAG_LOW:
        clrFill = m_clrBarLow;
        break;
    case BATTERY_FLAG_CRITICAL:
        clrFill = m_clrBarCritical;
        break;
    default:
        break;
    }
    m_barBattery.SetColors(m_clrBarBack, clrFill, m_clrBarText, 1);
    CString strCharging;
    if (m_nBatteryFlag == BATTERY_FLAG_CHARGING)
        strCharging.LoadString(IDS_CHARGING);
    m_barBattery.SetText(strCharging, 1);
    m_barBattery.SendMessage(PBM_SETPOS, WPARAM(m_nBatteryPercent), 0);

    m_barBackup.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    COLORREF clrBackupFill = m_clrBarBack;
    int nBackupPos = 100;
    switch (m_nBackupFlag) {
    case BATTERY_FLAG_HIGH:
    case BATTERY_FLAG_CHARGING:
        clrBackupFill = m_clrBarNormal;
        break;
    case BATTERY_FLAG_LOW:
        clrBackupFill = m_clrBarLow;
        nBackupPos = 50;
        break;
    case BATTERY_FLAG_CRITICAL:
        clrBackupFill = m_clrBarCritical;
        nBackupPos = 25;
        break;
    default:
        break;
    }
    m_barBackup.SetColors(m_clrBarBack, clrBackupFill, m_clrBarText, 1);
    m_barBackup.SendMessage(PBM_SETPOS, WPARAM(nBackupPos), 0);

    const auto figure = [this](int i) { return i < m_arrFigures.GetSize() ? m_arrFigures[i] : 0; };
    m_barMemory.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    m_barMemory.SetColors(m_clrBarBack, m_clrBarNormal, m_clrBarText, 1);
    m_barMemory.SendMessage(PBM_SETPOS, WPARAM(PercentOf(figure(0), figure(1))), 0);

    m_barStorage.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    m_barStorage.SetColors(m_clrBarBack, m_clrBarNormal, m_clrBarText, 1);
    m_barStorage.SendMessage(PBM_SETPOS, WPARAM(PercentOf(figure(2), figure(3))), 0);
}

void CQuilletView::UpdateMemoryText()
{
    if (m_arrFigures.GetSize() >= 2)
        SetTextIfChanged(m_btnMemoryText, ReadoutText(kFormats, m_nMemoryTextMode, m_arrFigures[0], m_arrFigures[1]));
}

void CQuilletView::UpdateStorageText()
{
    if (m_arrFigures.GetSize() >= 4)
        SetTextIfChanged(m_btnStorageText, ReadoutText(kFormats, m_nStorageTextMode, m_arrFigures[2], m_arrFigures[3]));
}
