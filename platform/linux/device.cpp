#include "platform/device.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <cstdlib>
#include <string>
#include <string_view>
#include <strings.h>

#include "platform/text.h"

namespace {

// Desktops' brightness or power settings programs, most specific first.
const APPLET_CHOICE kApplets[] = {
    {"GNOME", "gnome-control-center", "power"},
    {"Unity", "gnome-control-center", "power"},
    {"Budgie", "gnome-control-center", "power"},
    {"KDE", "systemsettings", "kcm_powerdevilprofilesconfig"},
    {"XFCE", "xfce4-power-manager-settings", nullptr},
    {"LXQt", "lxqt-config-brightness", nullptr},
    {"MATE", "mate-power-preferences", nullptr},
    {"X-Cinnamon", "cinnamon-settings", "power"},
};

// Session managers' restart requests. GNOME and Cinnamon show their
// confirmation, KDE its logout prompt and LXQt its leave dialog; Xfce and MATE
// ask the session's programs to save first without a dialog of their own.
const SESSION_REBOOT kSessionReboots[] = {
    {"GNOME", "gnome", "org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager", "Reboot",
        SESSION_ARGS::None, nullptr, nullptr},
    {"Unity", "gnome", "org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager", "Reboot",
        SESSION_ARGS::None, nullptr, nullptr},
    {"Budgie", "gnome", "org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager", "Reboot",
        SESSION_ARGS::None, nullptr, nullptr},
    {"KDE", "kde", "org.kde.LogoutPrompt", "/LogoutPrompt", "org.kde.LogoutPrompt", "promptReboot", SESSION_ARGS::None,
        nullptr, nullptr},
    {"KDE", "kde", "org.kde.ksmserver", "/KSMServer", "org.kde.KSMServerInterface", "logout",
        SESSION_ARGS::ConfirmRebootInteractive, nullptr, nullptr},
    {"XFCE", "xfce", "org.xfce.SessionManager", "/org/xfce/SessionManager", "org.xfce.Session.Manager", "Restart",
        SESSION_ARGS::SaveTrue, nullptr, nullptr},
    {"X-Cinnamon", "cinnamon", "org.cinnamon.SessionManager", "/org/cinnamon/SessionManager",
        "org.cinnamon.SessionManager", "Reboot", SESSION_ARGS::None, nullptr, nullptr},
    {"LXQt", "lxqt", "org.lxqt.session", nullptr, nullptr, nullptr, SESSION_ARGS::None, "lxqt-leave", "--reboot"},
    // MATE's session manager answers under GNOME's name, so only its own desktop picks it.
    {"MATE", "mate", "org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager",
        "RequestReboot", SESSION_ARGS::None, nullptr, nullptr},
};

// The first row, for the desktops of an XDG_CURRENT_DESKTOP list such as
// "ubuntu:GNOME" in that order, whose desktop matches and that usable accepts.
template <typename Row, size_t N, typename Usable>
const Row* FirstForDesktops(const char* pszCurrentDesktop, const Row (&rows)[N], Usable usable)
{
    const std::string_view desktops = pszCurrentDesktop ? pszCurrentDesktop : "";
    for (size_t start = 0; start <= desktops.size();) {
        size_t end = desktops.find(':', start);
        if (end == std::string_view::npos)
            end = desktops.size();
        const std::string desktop(desktops.substr(start, end - start));
        for (const Row& row : rows)
            if (strcasecmp(desktop.c_str(), row.desktop) == 0 && usable(row))
                return &row;
        start = end + 1;
    }
    return nullptr;
}

// The seam for tests and demos: one line per request instead of the request.
bool LogInsteadOfActing(const std::string& line)
{
    const char* log = std::getenv("QUILLET_DEVICE_LOG");
    if (!log || !*log)
        return false;
    const int fd = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        const std::string text = line + "\n";
        // One write with O_APPEND keeps lines whole when several copies log.
        [[maybe_unused]] const ssize_t n = ::write(fd, text.data(), text.size());
        ::close(fd);
    }
    return true;
}

bool AskLogind(const char* method)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QString::fromLatin1(method));
    call << true; // interactive: polkit may ask the user
    call.setAutoStartService(false);
    return bus.send(call);
}

bool IsInstalled(const char* program)
{
    return !QStandardPaths::findExecutable(QString::fromLocal8Bit(program)).isEmpty();
}

bool AnswersOnSessionBus(const char* service)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(QString::fromLatin1(service)).value();
}

bool AskSessionManager(const SESSION_REBOOT& way)
{
    if (way.program)
        return QProcess::startDetached(QString::fromLatin1(way.program), {QString::fromLatin1(way.argument)});
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(way.service), QString::fromLatin1(way.path),
        QString::fromLatin1(way.interface), QString::fromLatin1(way.method));
    if (way.args == SESSION_ARGS::SaveTrue)
        call << true; // let the session's programs save their work
    else if (way.args == SESSION_ARGS::ConfirmRebootInteractive)
        call << 1 << 1 << 3; // confirm yes, type reboot, mode interactive
    call.setAutoStartService(false);
    return bus.send(call);
}

} // namespace

const APPLET_CHOICE* FindBacklightApplet(const char* pszCurrentDesktop, bool (*pfnInstalled)(const char*))
{
    const auto installed = [&](const APPLET_CHOICE& a) { return pfnInstalled(a.program); };
    if (const APPLET_CHOICE* applet = FirstForDesktops(pszCurrentDesktop, kApplets, installed))
        return applet;
    for (const APPLET_CHOICE& a : kApplets)
        if (installed(a))
            return &a;
    return nullptr;
}

const SESSION_REBOOT* FindSessionReboot(
    const char* pszCurrentDesktop, bool (*pfnAnswers)(const char*), bool (*pfnInstalled)(const char*))
{
    // A desktop's command only counts in its own session; a D-Bus way, when its manager answers.
    if (const SESSION_REBOOT* way = FirstForDesktops(pszCurrentDesktop, kSessionReboots,
            [&](const SESSION_REBOOT& r) { return r.program ? pfnInstalled(r.program) : pfnAnswers(r.service); }))
        return way;
    // Started without the desktop's variable: whichever session manager runs.
    for (const SESSION_REBOOT& r : kSessionReboots)
        if (std::string_view(r.name) != "mate" && pfnAnswers(r.service) && (!r.program || pfnInstalled(r.program)))
            return &r;
    return nullptr;
}

BOOL RebootNeedsConfirmation()
{
    return FindSessionReboot(std::getenv("XDG_CURRENT_DESKTOP"), AnswersOnSessionBus, IsInstalled) == nullptr;
}

BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID, DWORD, LPVOID, DWORD, DWORD* lpBytesReturned)
{
    if (lpBytesReturned)
        *lpBytesReturned = 0;
    if (dwIoControlCode != IOCTL_HAL_REBOOT)
        return FALSE;
    // Through the session manager, so that no program loses unsaved work.
    const SESSION_REBOOT* session = FindSessionReboot(
        std::getenv("XDG_CURRENT_DESKTOP"), AnswersOnSessionBus, IsInstalled);
    if (LogInsteadOfActing(session ? std::string("reboot session ") + session->name : std::string("reboot logind")))
        return TRUE;
    return session ? AskSessionManager(*session) : AskLogind("Reboot");
}

void keybd_event(BYTE bVk, BYTE, DWORD dwFlags, UINT_PTR)
{
    // The press is the request; the release completes the key stroke only.
    if (bVk != VK_OFF || (dwFlags & KEYEVENTF_KEYUP))
        return;
    if (!LogInsteadOfActing("suspend"))
        AskLogind("Suspend");
}

BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, LPVOID, LPVOID, BOOL, DWORD, LPVOID,
    LPCWSTR lpCurrentDirectory, LPVOID, PROCESS_INFORMATION* lpProcessInformation)
{
    if (lpProcessInformation)
        *lpProcessInformation = PROCESS_INFORMATION{nullptr, nullptr, 0, 0};
    if (!lpApplicationName)
        return FALSE;
    QString program = QString::fromUtf16(lpApplicationName);
    QStringList arguments;
    if (program == QString::fromUtf16(BACKLIGHT_APPLET)) {
        const APPLET_CHOICE* applet = FindBacklightApplet(std::getenv("XDG_CURRENT_DESKTOP"), IsInstalled);
        if (LogInsteadOfActing(applet ? std::string("applet ") + applet->program + (applet->argument ? " " : "") +
                        (applet->argument ? applet->argument : "")
                                      : std::string("applet (none installed)")))
            return applet != nullptr;
        if (!applet)
            return FALSE;
        program = QString::fromLatin1(applet->program);
        if (applet->argument)
            arguments << QString::fromLatin1(applet->argument);
    } else {
        if (lpCommandLine)
            arguments = QProcess::splitCommand(QString::fromUtf16(lpCommandLine));
        if (LogInsteadOfActing("start " + Utf16ToUtf8(lpApplicationName)))
            return TRUE;
    }
    qint64 pid = 0;
    const QString folder = lpCurrentDirectory ? QString::fromUtf16(lpCurrentDirectory) : QString();
    if (!QProcess::startDetached(program, arguments, folder, &pid))
        return FALSE;
    if (lpProcessInformation)
        lpProcessInformation->dwProcessId = DWORD(pid);
    return TRUE;
}
