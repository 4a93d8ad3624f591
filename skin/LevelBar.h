// A flat gauge over the skin: background colour, fill colour for the
// position, and a line of text over the whole bar.
#pragma once

#include "framework/gdi.h"
#include "framework/progress.h"

class CLevelBar : public CProgressCtrl {
public:
    struct BarPaintInfo {
        CDC* pDC;
        DWORD dwStyle;
        RECT rcClient;
    };
    struct BarSpan {
        LONG nStart;
        LONG nEnd;
    };

    void SetColors(COLORREF clrBack, COLORREF clrBar, COLORREF clrText, BOOL bRedraw);
    void SetText(LPCWSTR lpszText, BOOL bRedraw);

    virtual void DrawBarText(const BarPaintInfo& info, const BarSpan& whole, const BarSpan& filled);
    virtual void DrawClippedText(const BarPaintInfo& info, const BarSpan& span, const CString& strText);

    static RECT SpanRect(const BarPaintInfo& info, const BarSpan& span);

    CString m_strText;
    COLORREF m_clrBack = 0x000000FF;
    COLORREF m_clrBar = 0x0000FFFF;
    COLORREF m_clrText = 0x00FF0000;

    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()
};
