// The program's resources as data: form 101, menu and accelerators 128 and
// the string table.
#include <iterator>

#include "framework/messages.h"
#include "framework/button.h"
#include "framework/progress.h"
#include "framework/resources.h"
#include "res/resource.h"

namespace {

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kBar = WS_CHILD | WS_VISIBLE | WS_BORDER;

const AFX_DLGITEM kFormItems[] = {
    {u"Button", u"", IDC_ICON_BATTERY, 3, 6, 21, 20, kButton, 0},
    {u"Button", u"text", IDC_BATTERY_TEXT, 25, 6, 85, 20, kButton, 0},
    {u"Button", u"", IDC_ICON_BACKUP, 111, 6, 21, 20, kButton, 0},
    {u"msctls_progress32", u"Progress1", IDC_BAR_BATTERY, 3, 29, 105, 9, kBar, 0},
    {u"msctls_progress32", u"Progress2", IDC_BAR_BACKUP, 111, 29, 21, 9, kBar, 0},
    {u"Button", u"", IDC_ICON_MEMORY, 3, 43, 21, 20, kButton, 0},
    {u"Button", u"text", IDC_MEMORY_TEXT, 25, 43, 107, 20, kButton, 0},
    {u"msctls_progress32", u"Progress1", IDC_BAR_MEMORY, 3, 66, 129, 9, kBar, 0},
    {u"Button", u"", IDC_ICON_STORAGE, 3, 80, 21, 20, kButton, 0},
    {u"Button", u"text", IDC_STORAGE_TEXT, 25, 80, 107, 20, kButton, 0},
    {u"msctls_progress32", u"Progress4", IDC_BAR_STORAGE, 3, 103, 129, 9, kBar, 0},
    {u"Button", u"", IDC_MEMORY_DIALOG, 3, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_BACKLIGHT, 30, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_SOFT_RESET, 57, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_POWER_OFF, 84, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_EXIT, 111, 130, 21, 20, kButton, 0},
};

const AFX_DLGTEMPLATE kForm = {
    IDD_QUILLET_FORM, WS_CHILD, 0, 135, 150, u"", u"System", 8, kFormItems, std::size(kFormItems)};

const AFX_DLGITEM kAboutItems[] = {
    {u"Button", u"", IDC_ABOUT_ICON, 7, 7, 21, 20, kButton, 0},
    {u"Button", u"Quillet ", IDC_ABOUT_NAME, 35, 7, 83, 20, kButton, 0},
    {u"Button", u"Версия 1.8", IDC_ABOUT_VERSION, 35, 31, 83, 20, kButton, 0},
    {u"Button", u"© 2026 Quillet", IDC_ABOUT_NOTICE, 7, 67, 111, 20, kButton, 0},
    {u"Button", u"Автор:", IDC_ABOUT_CREDIT, 7, 91, 111, 20, kButton | BS_MULTILINE, 0},
};

const AFX_DLGTEMPLATE kAbout = {IDD_ABOUTBOX, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_CAPTIONOKBTN,
    125, 145, u"About Quillet", u"System", 8, kAboutItems, std::size(kAboutItems)};

const AFX_DLGTEMPLATE* const kDialogs[] = {&kAbout, &kForm};

const AFX_MENUITEM kMenuItems[] = {
    {MF_POPUP, 0, u"&Меню", 0},
    {MF_STRING, ID_SETTINGS_MENU, u"Настройки", 1},
    {MF_SEPARATOR, 0, nullptr, 1},
    {MF_STRING, ID_ABOUT_MENU, u"О программе...", 1},
    {MF_STRING, ID_APP_EXIT, u"&Закрыть", 1},
};

const AFX_MENU kMenus[] = {{IDR_MAINFRAME, kMenuItems, std::size(kMenuItems)}};

// The framework's standard set; only new and open have handlers.
const AFX_ACCEL kAccels[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
};

const AFX_ACCELTABLE kAccelTables[] = {{IDR_MAINFRAME, kAccels, std::size(kAccels)}};

const AFX_STRING kStrings[] = {
    {IDR_MAINFRAME, u"Quillet\n\nQuillet\n\n\nQuillet.Document\nQuillet Document"},
};

} // namespace

const AFX_RESOURCES afxResources = {
    kDialogs, std::size(kDialogs), kMenus, std::size(kMenus), kAccelTables, std::size(kAccelTables), kStrings,
    std::size(kStrings)};
