// Acting on the device: restart, the power-off key, and starting the
// backlight applet. Each request is sent without waiting and fails silently.
// With QUILLET_DEVICE_LOG=FILE set, each is appended to FILE as one line
// instead of being performed.
#pragma once

#include "platform/types.h"

constexpr DWORD IOCTL_HAL_REBOOT = 0x0101003C;

// Asks the system to restart. On a desktop the request goes to the running
// session manager, which asks every program to save its work, honours their
// objections and shows the desktop's own confirmation; only where no session
// manager answers does it go to systemd-logind (interactively: the user's
// policy and any inhibitors decide). FALSE when the request cannot be sent.
BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID lpInBuf, DWORD nInBufSize, LPVOID lpOutBuf, DWORD nOutBufSize,
    DWORD* lpBytesReturned);
// TRUE when a restart request would go where nobody asks the user first
// (systemd-logind: no session manager answers), so the caller should ask.
// Looks on the session bus, as the request does: call it only on the way
// to a restart.
BOOL RebootNeedsConfirmation();

constexpr BYTE VK_OFF = 0xDF;
constexpr DWORD KEYEVENTF_KEYUP = 0x0002;

// The power-off key: pressing it asks the system to suspend.
void keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, UINT_PTR dwExtraInfo);

// The platform's backlight applet: on Linux the desktop's brightness or
// power settings program, the first one found.
inline constexpr WCHAR BACKLIGHT_APPLET[] = u"\\Windows\\Backlight.exe";

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};

// Starts a program detached; the caller never waits for it.
BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, LPVOID lpProcessAttributes,
    LPVOID lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags, LPVOID lpEnvironment,
    LPCWSTR lpCurrentDirectory, LPVOID lpStartupInfo, PROCESS_INFORMATION* lpProcessInformation);

// The command that stands for the backlight applet on this desktop
// (program first), or empty when none is installed. Exposed for tests.
struct APPLET_CHOICE {
    const char* desktop; // as in XDG_CURRENT_DESKTOP, case-insensitive
    const char* program;
    const char* argument;
};
const APPLET_CHOICE* FindBacklightApplet(const char* pszCurrentDesktop, bool (*pfnInstalled)(const char*));

// A desktop session manager's restart request: a D-Bus call on the session
// bus, or a command (program set) that the desktop provides for it.
enum class SESSION_ARGS { None, SaveTrue, ConfirmRebootInteractive };
struct SESSION_REBOOT {
    const char* desktop; // as in XDG_CURRENT_DESKTOP, case-insensitive
    const char* name;    // for the device log: "reboot session <name>"
    const char* service; // bus name that answers while the session runs
    const char* path;
    const char* interface;
    const char* method;
    SESSION_ARGS args;
    const char* program; // when set, run it with argument instead of calling
    const char* argument;
};
// The session manager to restart through, or null for systemd-logind. The
// desktops in XDG_CURRENT_DESKTOP come first; then any session manager that
// answers on the session bus. Exposed for tests.
const SESSION_REBOOT* FindSessionReboot(
    const char* pszCurrentDesktop, bool (*pfnAnswers)(const char* service), bool (*pfnInstalled)(const char*));
