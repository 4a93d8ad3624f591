#include "monitor/ReadoutText.h"

namespace {

constexpr double kBytesPerMegabyte = 1.0 / 1048576.0; // 2^-20

} // namespace

CString ReadoutText(const READOUT_FORMATS& formats, int nMode, ULONGLONG nFree, ULONGLONG nTotal)
{
    const double dFree = double(nFree) * kBytesPerMegabyte;
    const double dTotal = double(nTotal) * kBytesPerMegabyte;
    const double dUsed = double(LONGLONG(nTotal) - LONGLONG(nFree)) * kBytesPerMegabyte;
    CString strFormat;
    CString strText;
    switch (nMode) {
    case 0:
        strFormat.LoadString(formats.nIDFree);
        strText.Format(strFormat, dFree);
        break;
    case 1:
        strFormat.LoadString(formats.nIDTotal);
        strText.Format(strFormat, dTotal);
        break;
    case 2:
        strFormat.LoadString(formats.nIDUsed);
        strText.Format(strFormat, dUsed);
        break;
    case 3:
        strFormat.LoadString(formats.nIDFreeOfTotal);
        strText.Format(strFormat, dFree, dTotal);
        break;
    default:
        break;
    }
    return strText;
}

int NextReadoutMode(int nMode)
{
    return nMode >= 0 && nMode <= 3 ? (nMode + 1) % 4 : nMode;
}

BOOL SetTextIfChanged(CWnd& wnd, const CString& strText)
{
    CString strCurrent;
    wnd.GetWindowText(strCurrent);
    if (strText == strCurrent)
        return FALSE;
    wnd.SetWindowText(strText);
    return TRUE;
}
