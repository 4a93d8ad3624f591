// The main frame: command bar with the menu, four tool buttons and the close adornment.
#pragma once

#include "framework/frame.h"

class CMainFrame : public CFrameWnd {
public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    DECLARE_MESSAGE_MAP()
};
