#include "app/QuilletApp.h"

#include "app/MainFrame.h"
#include "app/QuilletDoc.h"
#include "monitor/QuilletView.h"
#include "res/resource.h"
#include "skin/SkinPaths.h"

CQuilletApp theApp;

BEGIN_MESSAGE_MAP(CQuilletApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

BOOL CQuilletApp::InitInstance()
{
    ResetSkinStandInNotice();
    SetRegistryKey(u"Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RUNTIME_CLASS(CQuilletDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CQuilletView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}
