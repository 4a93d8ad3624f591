// The application object, the command line and the program's entry.
#pragma once

#include <vector>

#include "framework/doc.h"
#include "framework/wnd.h"

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FileNothing } m_nShellCommand = FileNew;
    CString m_strFileName;
};

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void AddDocTemplate(CDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Ends the message loop when it runs; before or after it, does nothing.
    void PostQuitMessage(int nExitCode);

    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;
    UINT m_nMaxMRU = 0;

    DECLARE_MESSAGE_MAP()

private:
    std::vector<CDocTemplate*> m_templateList;
    bool m_bRunning = false;
};

CWinApp* AfxGetApp();

// Creates the toolkit's application and hands it the command line. Without
// pszNoDisplay, there being no display chooses the offscreen platform. With
// it, a display that cannot be opened, or none at all with no platform
// chosen, prints pszNoDisplay to standard error, its %s naming the display:
// then AfxWinInit returns false, or, when the toolkit itself gave up, the
// process ends with exit code 1.
bool AfxWinInit(int& argc, char** argv, const char* pszNoDisplay = nullptr);
// The program's entry: AfxWinInit, InitInstance, then the message loop; 1
// when there is no display.
int AfxWinMain(int argc, char** argv, const char* pszNoDisplay = nullptr);
