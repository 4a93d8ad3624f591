#include "app/MainFrame.h"

#include <iterator>

#include "res/resource.h"

namespace {

const TBBUTTON kButtons[] = {
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, -1},
    {0, ID_KEEP_OPEN, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, -1},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, -1},
    {1, ID_SETTINGS_TOOL, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, -1},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, -1},
    {2, ID_ABOUT_TOOL, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, -1},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, -1},
    {3, ID_EXIT_TOOL, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, -1},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, -1},
};

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!InsertButtons(kButtons, UINT(std::size(kButtons)), IDR_MAINFRAME, 7))
        return -1;
    if (!AddAdornments(0))
        return -1;
    return 0;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return CFrameWnd::PreCreateWindow(cs);
}
