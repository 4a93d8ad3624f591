#include "skin/Readout.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kBytesPerMegabyte = 1.0 / 1048576.0; // 2^-20

} // namespace

CString ReadoutText(const READOUT_FORMATS& formats, int nMode, ULONGLONG nFree, ULONGLONG nTotal)
{
    if (nMode < 0 || nMode > 3)
        return CString();
    const double dFree = double(nFree) * kBytesPerMegabyte;
    const double dTotal = double(nTotal) * kBytesPerMegabyte;
    const double dUsed = double(LONGLONG(nTotal) - LONGLONG(nFree)) * kBytesPerMegabyte;
    // Each mode's format and figure; the total follows for free over total,
    // and the formats of one figure leave it unread.
    const struct {
        UINT nIDFormat;
        double dFigure;
    } modes[] = {{formats.nIDFree, dFree}, {formats.nIDTotal, dTotal}, {formats.nIDUsed, dUsed},
        {formats.nIDFreeOfTotal, dFree}};
    CString strFormat;
    strFormat.LoadString(modes[nMode].nIDFormat);
    CString strText;
    strText.Format(strFormat, modes[nMode].dFigure, dTotal);
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

float RoundTo(float fValue, int nFactor)
{
    if (nFactor == 0 || !std::isfinite(fValue))
        return 0.0f;
    const float x = float(nFactor) * fValue;
    double dRounded = x >= 0 ? double(x) + 0.5 : double(x) - 0.5;
    // Keep the conversion defined however large the value.
    constexpr double kLimit = 9.0e18;
    dRounded = std::fmax(-kLimit, std::fmin(kLimit, dRounded));
    return float(static_cast<long long>(dRounded)) / float(nFactor);
}

int PercentOf(ULONGLONG nPart, ULONGLONG nWhole)
{
    // No total: nothing to be a share of.
    if (nWhole == 0)
        return 0;
    const float fPercent = float(double(nPart) / double(nWhole) * 100.0);
    const float fRounded = RoundTo(fPercent, 1);
    constexpr float kMax = float(std::numeric_limits<int>::max() / 2);
    return int(std::fmin(fRounded, kMax));
}
