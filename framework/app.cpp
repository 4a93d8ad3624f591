#include "framework/app.h"

#include <QApplication>
#include <QFontDatabase>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "framework/hwnd_p.h"
#include "framework/language.h"
#include "framework/resources.h"
#include "platform/module.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_strAppName(lpszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* t : m_templateList)
        delete t;
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (m_pMainWnd) {
        m_bRunning = true;
        QApplication::exec();
        m_bRunning = false;
    }
    return ExitInstance();
}

void CWinApp::PostQuitMessage(int nExitCode)
{
    // Asked outside the loop, the toolkit would remember the request and end
    // the next loop that starts, a modal dialog's included.
    if (m_bRunning)
        QCoreApplication::exit(nExitCode);
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey)
{
    // The framework's own profile lives under this key; the program keeps
    // none of its settings there.
    m_strRegistryKey = lpszRegistryKey;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxMRU = nMaxMRU;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate)
        m_templateList.push_back(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    rCmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg.startsWith(u'-') || arg.startsWith(u'/'))
            continue;
        rCmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
        rCmdInfo.m_strFileName = CString(arg.toStdU16String());
        break;
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return !m_templateList.empty() && m_templateList.front()->OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::OnFileNew()
{
    if (!m_templateList.empty())
        m_templateList.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    // Documents hold nothing that a file could give them, so there is no
    // file to choose: opening reinitialises the one document, as a new one.
    if (!m_templateList.empty())
        m_templateList.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE, 0, 0);
}

namespace {

// What the toolkit says while it starts, held back until it is known to start.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category; // the names of the toolkit's categories live as long as it
    QString text;
};

const char* g_pszNoDisplay = nullptr;
std::vector<HeldMessage> g_held;

// The display the toolkit was to open, for a person.
std::string DisplayText()
{
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::string text = display && *display ? std::string("the display '") + display + "'"
        : wayland && *wayland              ? std::string("the display '") + wayland + "'"
                                           : std::string("a display (DISPLAY and WAYLAND_DISPLAY are not set)");
    if (platform && *platform)
        text += std::string(" (QT_QPA_PLATFORM=") + platform + ")";
    return text;
}

[[noreturn]] void NoDisplay()
{
    std::fflush(stdout);
    std::fprintf(stderr, g_pszNoDisplay, DisplayText().c_str());
    std::fflush(stderr);
    // The toolkit is half made: nothing of it may run at exit.
    std::_Exit(1);
}

// The toolkit aborts when it cannot open the display: the one line instead,
// and its own lines about it held back.
void HoldStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        NoDisplay();
    g_held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

bool AfxWinInit(int& argc, char** argv, const char* pszNoDisplay)
{
    SetStringTableLookup(AfxFindString);
    if (QCoreApplication::instance())
        return true;
    const bool hasDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    g_pszNoDisplay = pszNoDisplay;
    if (!hasDisplay && !std::getenv("QT_QPA_PLATFORM")) {
        if (pszNoDisplay) {
            std::fprintf(stderr, pszNoDisplay, DisplayText().c_str());
            return false;
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const QtMessageHandler previous = pszNoDisplay ? qInstallMessageHandler(HoldStartMessages) : nullptr;
    auto* app = new QApplication(argc, argv);
    if (pszNoDisplay) {
        qInstallMessageHandler(previous);
        for (const HeldMessage& m : std::exchange(g_held, {}))
            qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    }
    // The main frame's destruction ends the program, not the last window.
    app->setQuitOnLastWindowClosed(false);
    // The toolkit takes the user's locale for the C library too, and with it
    // a decimal comma in many languages; the platform's figures use a point.
    std::setlocale(LC_NUMERIC, "C");
    AfxSetLanguage();
    return true;
}

int AfxWinMain(int argc, char** argv, const char* pszNoDisplay)
{
    if (!AfxWinInit(argc, argv, pszNoDisplay))
        return 1;
    // Reading the machine's font configuration is the longest part of a
    // start: it is read beside the window's making, on a thread of its own.
    // The toolkit's font database is safe to use from any thread; the first
    // text to be measured waits for it there.
    const std::jthread fonts([] { QFontDatabase::families(); });
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (app->m_strAppName.IsEmpty())
        app->m_strAppName = CString(QCoreApplication::applicationName().toStdU16String());
    if (!app->InitInstance()) {
        app->ExitInstance();
        return 1;
    }
    return app->Run();
}
