// The program's resources as data: form 101, menu and accelerators 128 and
// the string table. Every text is English and marked with AFX_TEXT for the
// translation catalogs in translations/; the Russian catalog holds the texts
// the program was first written with.
#include <iterator>

#include "framework/button.h"
#include "framework/checkbox.h"
#include "framework/edit.h"
#include "framework/listview.h"
#include "framework/messages.h"
#include "framework/progress.h"
#include "framework/resources.h"
#include "res/resource.h"

namespace {

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
// Skinned buttons that act on nothing (icons, texts to read) are no tab
// stops: the keyboard passes them by, and screen readers read them as what
// they show.
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kBar = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kModalPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

const AFX_DLGITEM kFormItems[] = {
    {u"Button", u"", IDC_ICON_BATTERY, 3, 6, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "text"), IDC_BATTERY_TEXT, 25, 6, 85, 20, kLabel, 0},
    {u"Button", u"", IDC_ICON_BACKUP, 111, 6, 21, 20, kButton, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress1"), IDC_BAR_BATTERY, 3, 29, 105, 9, kBar, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress2"), IDC_BAR_BACKUP, 111, 29, 21, 9, kBar, 0},
    {u"Button", u"", IDC_ICON_MEMORY, 3, 43, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "text"), IDC_MEMORY_TEXT, 25, 43, 107, 20, kButton, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress1"), IDC_BAR_MEMORY, 3, 66, 129, 9, kBar, 0},
    {u"Button", u"", IDC_ICON_STORAGE, 3, 80, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "text"), IDC_STORAGE_TEXT, 25, 80, 107, 20, kButton, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress4"), IDC_BAR_STORAGE, 3, 103, 129, 9, kBar, 0},
    {u"Button", u"", IDC_MEMORY_DIALOG, 3, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_BACKLIGHT, 30, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_SOFT_RESET, 57, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_POWER_OFF, 84, 130, 21, 20, kButton, 0},
    {u"Button", u"", IDC_EXIT, 111, 130, 21, 20, kButton, 0},
};

const AFX_DLGTEMPLATE kForm = {
    IDD_QUILLET_FORM, WS_CHILD, 0, 135, 150, u"", u"System", 8, kFormItems, std::size(kFormItems)};

const AFX_DLGITEM kAboutItems[] = {
    {u"Button", u"", IDC_ABOUT_ICON, 7, 7, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "Quillet "), IDC_ABOUT_NAME, 35, 7, 83, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "Version 1.8"), IDC_ABOUT_VERSION, 35, 31, 83, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "© 2026 Quillet"), IDC_ABOUT_NOTICE, 7, 67, 111, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "Author:"), IDC_ABOUT_CREDIT, 7, 91, 111, 20, kLabel | BS_MULTILINE, 0},
};

const AFX_DLGTEMPLATE kAbout = {IDD_ABOUTBOX, kModalPopup, WS_EX_CAPTIONOKBTN, 125, 145,
    AFX_TEXT("Dialog", "About Quillet"), u"System", 8, kAboutItems, std::size(kAboutItems)};

const AFX_DLGITEM kMemoryItems[] = {
    {u"SysListView32", AFX_TEXT("Dialog", "List1"), IDC_TASK_LIST, 2, 3, 106, 46,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
            LVS_SHAREIMAGELISTS,
        0},
    {u"Button", u"", IDC_REFRESH_TASKS, 112, 3, 21, 20, kButton, 0},
    {u"Button", u"", IDC_KILL_TASK, 112, 29, 21, 20, kButton | BS_MULTILINE, 0},
    {u"Button", u"", IDC_VOLUME_ICON1, 2, 51, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "FLASH"), IDC_VOLUME_TEXT1, 25, 51, 108, 20, kButton, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress3"), IDC_VOLUME_BAR1, 2, 72, 131, 9, kBar, 0},
    {u"Button", u"", IDC_VOLUME_ICON2, 2, 85, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "CF"), IDC_VOLUME_TEXT2, 25, 85, 108, 20, kButton, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress3"), IDC_VOLUME_BAR2, 2, 106, 131, 9, kBar, 0},
    {u"Button", u"", IDC_VOLUME_ICON3, 2, 118, 21, 20, kLabel, 0},
    {u"Button", AFX_TEXT("Dialog", "SD"), IDC_VOLUME_TEXT3, 25, 118, 108, 20, kButton, 0},
    {u"msctls_progress32", AFX_TEXT("Dialog", "Progress3"), IDC_VOLUME_BAR3, 2, 139, 131, 9, kBar, 0},
};

const AFX_DLGTEMPLATE kMemory = {IDD_MEMORY, kModalPopup, 0, 137, 150, AFX_TEXT("Dialog", "Memory"), u"System", 8,
    kMemoryItems, std::size(kMemoryItems)};

const AFX_DLGITEM kSettingsItems[] = {
    {u"Edit", u"", IDC_SKIN_FOLDER, 2, 6, 110, 13, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0},
    {u"Button", u"", IDC_BROWSE, 114, 2, 20, 20, kButton, 0},
    {u"Button", u"", IDC_DELAY_DOWN, 2, 26, 20, 20, kButton, 0},
    {u"Button", AFX_TEXT("Dialog", "Delay:  98 s"), IDC_DELAY_TEXT, 23, 26, 90, 20, kLabel | WS_DISABLED, 0},
    {u"Button", u"", IDC_DELAY_UP, 114, 26, 20, 20, kButton, 0},
    {u"Button", AFX_TEXT("Dialog", "Ask before restarting"), IDC_WARNING_LABEL, 2, 51, 132, 14, kLabel, 0},
    {u"Button", u"", IDC_WARNING_CHECK, 2, 54, 8, 8, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {u"Button", u"", IDOK, 2, 127, 20, 20, kButton, 0},
    {u"Button", u"", IDCANCEL, 114, 127, 20, 20, kButton, 0},
};

const AFX_DLGTEMPLATE kSettings = {IDD_SETTINGS, kModalPopup, 0, 136, 150, AFX_TEXT("Dialog", "Settings"), u"System", 8,
    kSettingsItems, std::size(kSettingsItems)};

const AFX_DLGITEM kFolderBrowserItems[] = {
    {u"Button", u"", IDOK, 7, 118, 50, 12, kButton, 0},
    {u"Button", u"", IDCANCEL, 77, 118, 50, 12, kButton, 0},
};

const AFX_DLGTEMPLATE kFolderBrowser = {IDD_FOLDER_BROWSER, kModalPopup, 0, 134, 137,
    AFX_TEXT("Dialog", "Choose a folder"), u"System", 8, kFolderBrowserItems, std::size(kFolderBrowserItems)};

const AFX_DLGTEMPLATE* const kDialogs[] = {&kAbout, &kForm, &kMemory, &kSettings, &kFolderBrowser};

const AFX_MENUITEM kMenuItems[] = {
    {MF_POPUP, 0, AFX_TEXT("Menu", "&Menu"), 0},
    {MF_STRING, ID_SETTINGS_MENU, AFX_TEXT("Menu", "&Settings"), 1},
    {MF_SEPARATOR, 0, nullptr, 1},
    {MF_STRING, ID_ABOUT_MENU, AFX_TEXT("Menu", "&About Quillet..."), 1},
    {MF_STRING, ID_APP_EXIT, AFX_TEXT("Menu", "E&xit"), 1},
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
    {IDR_MAINFRAME, AFX_TEXT("String", "Quillet\n\nQuillet\n\n\nQuillet.Document\nQuillet Document")},
    {IDS_KILL_QUESTION, AFX_TEXT("String", "Do you want to end the process")},
    {IDS_KILL_FAILED, AFX_TEXT("String", "The process was not ended.")},
    {IDS_NO_FILE, AFX_TEXT("String", "No file selected.")},
    {IDS_NO_FILES_OR_FOLDERS, AFX_TEXT("String", "No files or folders selected.")},
    // A "label: N" clause needs no plural agreement.
    {IDS_KILL_COUNT, AFX_TEXT("String", "All processes of this name will end: %d")},
    {IDS_NAME_MAIN_BATTERY, AFX_TEXT("String", "Main battery")},
    {IDS_NAME_SECOND_BATTERY, AFX_TEXT("String", "Second battery")},
    {IDS_NAME_MEMORY, AFX_TEXT("String", "Memory")},
    {IDS_NAME_STORAGE, AFX_TEXT("String", "Storage")},
    {IDS_NAME_TASK_LIST, AFX_TEXT("String", "Task list")},
    {IDS_NAME_BRIGHTNESS, AFX_TEXT("String", "Brightness")},
    {IDS_NAME_RESTART, AFX_TEXT("String", "Restart")},
    {IDS_NAME_SUSPEND, AFX_TEXT("String", "Suspend")},
    {IDS_NAME_EXIT, AFX_TEXT("String", "Exit")},
    {IDS_NAME_KEEP_OPEN, AFX_TEXT("String", "Keep open")},
    {IDS_NAME_REFRESH, AFX_TEXT("String", "Refresh")},
    {IDS_NAME_END_TASK, AFX_TEXT("String", "End task")},
    {IDS_NAME_SHORTER, AFX_TEXT("String", "Shorter")},
    {IDS_NAME_LONGER, AFX_TEXT("String", "Longer")},
    {IDS_NAME_BROWSE, AFX_TEXT("String", "Browse")},
    {IDS_NAME_OK, AFX_TEXT("String", "OK")},
    {IDS_NAME_CANCEL, AFX_TEXT("String", "Cancel")},
    {IDS_NAME_SKIN_FOLDER, AFX_TEXT("String", "Skin folder")},
    {IDS_NAME_FOLDERS, AFX_TEXT("String", "Folders")},
    {IDS_NAME_PROGRAMS, AFX_TEXT("String", "Running programs")},
    {IDS_NAME_NO_VOLUME, AFX_TEXT("String", "No volume")},
    {IDS_NAME_PROGRAM, AFX_TEXT("String", "Quillet")},
    {IDS_DESC_NEXT_FIGURE, AFX_TEXT("String", "Shows the next figure")},
    {ID_KEEP_OPEN, AFX_TEXT("String", "Keeps the window open until you close it\nKeep open")},
    {ID_SETTINGS_TOOL, AFX_TEXT("String", "Changes the skin, the delay and the restart question\nSettings")},
    {ID_ABOUT_TOOL, AFX_TEXT("String", "Shows the version of Quillet\nAbout")},
    {ID_EXIT_TOOL, AFX_TEXT("String", "Closes Quillet\nExit")},
    {AFX_IDS_SCCLOSE, AFX_TEXT("String", "Closes Quillet\nClose")},
    {IDS_ERROR, AFX_TEXT("String", "Error")},
    {IDS_QUILLET_ERROR, AFX_TEXT("String", "Quillet: Error")},
    {IDS_CANT_LOAD_PICTURE, AFX_TEXT("String", "Can't load the picture")},
    {IDS_NO_BATTERY_STATUS, AFX_TEXT("String", "No battery status")},
    {IDS_NO_BATTERY, AFX_TEXT("String", "No battery")},
    {IDS_UNKNOWN_LEVEL, AFX_TEXT("String", "Unknown")},
    {IDS_CHARGING, AFX_TEXT("String", "Charging...")},
    {IDS_MEMORY_FREE, AFX_TEXT("String", "Free:  %0.2lf MB")},
    {IDS_MEMORY_TOTAL, AFX_TEXT("String", "Total:  %0.2lf MB")},
    {IDS_MEMORY_USED, AFX_TEXT("String", "Used:  %0.2lf MB")},
    {IDS_MEMORY_FREE_OF_TOTAL, AFX_TEXT("String", "%0.2lf  /  %0.2lf MB")},
    {IDS_VOLUME_FREE, AFX_TEXT("String", "Free:  %0.1lf MB")},
    {IDS_VOLUME_TOTAL, AFX_TEXT("String", "Total:  %0.1lf MB")},
    {IDS_VOLUME_USED, AFX_TEXT("String", "Used:  %0.1lf MB")},
    {IDS_VOLUME_FREE_OF_TOTAL, AFX_TEXT("String", "%0.1lf  /  %0.1lf MB")},
    {IDS_SOFT_RESET_PROMPT, AFX_TEXT("String", "Do you really want to restart the computer?")},
    {IDS_PROCESSES, AFX_TEXT("String", "Processes")},
    {IDS_DELAY_PREFIX, AFX_TEXT("String", "Delay:  ")},
    {IDS_DELAY_SUFFIX, AFX_TEXT("String", " s")},
    {IDS_WARNING_LABEL, AFX_TEXT("String", "Ask before restarting")},
    {IDS_CREDIT_LINE, AFX_TEXT("String", "Author: the team")},
    {IDS_PICTURE_STAND_IN,
        AFX_TEXT("String",
            "Folder: %s\nFile: %s\nThe default skin's picture stands in for it, and for any other picture this skin "
            "cannot give.")},
    {IDS_SKIN_FOLDER_EMPTY,
        AFX_TEXT("String",
            "The skin folder is empty. Type a folder that begins with \"/\", or pick one with the folder button.")},
    {IDS_SKIN_FOLDER_RELATIVE,
        AFX_TEXT("String",
            "A typed skin folder must begin with \"/\": the whole path from the root, such as /home/me/Skins/Blue.")},
};

} // namespace

const AFX_RESOURCES afxResources = {kDialogs, std::size(kDialogs), kMenus, std::size(kMenus), kAccelTables,
    std::size(kAccelTables), kStrings, std::size(kStrings)};
