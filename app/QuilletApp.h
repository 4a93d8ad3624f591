// The application object.
#pragma once

#include "framework/app.h"

class CQuilletApp : public CWinApp {
public:
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CQuilletApp theApp;
