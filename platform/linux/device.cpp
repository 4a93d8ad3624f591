#include "platform/device.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusConnection>
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

} // namespace

const APPLET_CHOICE* FindBacklightApplet(const char* pszCurrentDesktop, bool (*pfnInstalled)(const char*))
{
    // XDG_CURRENT_DESKTOP is a list such as "ubuntu:GNOME".
    const std::string_view desktops = pszCurrentDesktop ? pszCurrentDesktop : "";
    for (size_t start = 0; start <= desktops.size();) {
        size_t end = desktops.find(':', start);
        if (end == std::string_view::npos)
            end = desktops.size();
        const std::string desktop(desktops.substr(start, end - start));
        for (const APPLET_CHOICE& a : kApplets)
            if (strcasecmp(desktop.c_str(), a.desktop) == 0 && pfnInstalled(a.program))
                return &a;
        start = end + 1;
    }
    for (const APPLET_CHOICE& a : kApplets)
        if (pfnInstalled(a.program))
            return &a;
    return nullptr;
}

BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID, DWORD, LPVOID, DWORD, DWORD* lpBytesReturned)
{
    if (lpBytesReturned)
        *lpBytesReturned = 0;
    if (dwIoControlCode != IOCTL_HAL_REBOOT)
        return FALSE;
    if (LogInsteadOfActing("reboot"))
        return TRUE;
    return AskLogind("Reboot");
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
