// The progress bar class: its range and position, and a plain drawing of
// the filled share for bars that do not paint themselves.
#include "framework/progress.h"

#include <algorithm>

#include "framework/hwnd_p.h"

namespace {

class AfxProgress : public AfxWindowWidget<QWidget> {
public:
    using AfxWindowWidget<QWidget>::AfxWindowWidget;

    QAccessibleInterface* NewAccessible() override { return AfxNewAccessibleBar(this); }

    bool ClassProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        switch (message) {
        case PBM_SETRANGE:
            result = MAKELPARAM(WORD(m_nLower), WORD(m_nUpper));
            m_nLower = LOWORD(UINT_PTR(lParam));
            m_nUpper = HIWORD(UINT_PTR(lParam));
            update();
            ValueChanged();
            return true;
        case PBM_SETPOS:
            // The position is kept as given; the painting decides what an
            // out-of-range position shows.
            result = m_nPos;
            m_nPos = int(wParam);
            update();
            ValueChanged();
            return true;
        case PBM_GETPOS:
            result = m_nPos;
            return true;
        case PBM_GETRANGE:
            if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) {
                range->iLow = m_nLower;
                range->iHigh = m_nUpper;
            }
            result = wParam ? m_nLower : m_nUpper;
            return true;
        case WM_PAINT:
            if (m_hwnd.painter)
                Paint(*m_hwnd.painter);
            result = 0;
            return true;
        default:
            return false;
        }
    }

private:
    void ValueChanged()
    {
        QAccessibleValueChangeEvent event(this, m_nPos);
        AfxNotifyAccessible(event);
    }

    void Paint(QPainter& p) const
    {
        const QSize size = ClientArea().size();
        p.fillRect(0, 0, size.width(), size.height(), palette().base());
        if (m_nUpper > m_nLower && m_nPos > m_nLower) {
            const int pos = std::min(m_nPos, m_nUpper);
            p.fillRect(0, 0, int(qint64(pos - m_nLower) * size.width() / (m_nUpper - m_nLower)), size.height(),
                palette().highlight());
        }
    }

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
};

} // namespace

AfxWindow* AfxNewProgress(QWidget* parent, DWORD)
{
    auto* bar = new AfxProgress(parent);
    // Text over a bar is sized like the rest of the window, large screens included.
    bar->setFont(AfxScaledTextFont(bar->font()));
    return bar;
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(WORD(nLower), WORD(nUpper)));
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range{0, 0};
    ::SendMessage(m_hWnd, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::SetPos(int nPos)
{
    return int(SendMessage(PBM_SETPOS, WPARAM(nPos), 0));
}

int CProgressCtrl::GetPos() const
{
    return int(::SendMessage(m_hWnd, PBM_GETPOS, 0, 0));
}
