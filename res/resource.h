// Resource and control ids.
#pragma once

// Templates, menu, accelerators, command-bar bitmap, icon, template string.
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_QUILLET_FORM = 101;
constexpr unsigned IDD_MEMORY = 155;
constexpr unsigned IDD_SETTINGS = 157;
constexpr unsigned IDD_FOLDER_BROWSER = 166;
constexpr unsigned IDR_MAINFRAME = 128;
// The folder tree's pictures: the folder icon and the strip of check-box states.
constexpr unsigned IDB_CHECK_STATES = 168;
constexpr unsigned IDI_FOLDER = 170;

// Controls of the monitor form.
constexpr unsigned IDC_BAR_BATTERY = 1000;
constexpr unsigned IDC_BAR_BACKUP = 1001;
constexpr unsigned IDC_MEMORY_DIALOG = 1002;
constexpr unsigned IDC_BAR_MEMORY = 1003;
constexpr unsigned IDC_BAR_STORAGE = 1004;
constexpr unsigned IDC_ICON_BATTERY = 1005;
constexpr unsigned IDC_ICON_BACKUP = 1006;
constexpr unsigned IDC_ICON_MEMORY = 1007;
constexpr unsigned IDC_ICON_STORAGE = 1008;
constexpr unsigned IDC_EXIT = 1009;
constexpr unsigned IDC_BACKLIGHT = 1010;
constexpr unsigned IDC_SOFT_RESET = 1011;
constexpr unsigned IDC_POWER_OFF = 1012;
constexpr unsigned IDC_BATTERY_TEXT = 1013;
constexpr unsigned IDC_MEMORY_TEXT = 1014;
constexpr unsigned IDC_STORAGE_TEXT = 1015;

// Controls of the About box.
constexpr unsigned IDC_ABOUT_NAME = 1002;
constexpr unsigned IDC_ABOUT_ICON = 1016;
constexpr unsigned IDC_ABOUT_CREDIT = 1020;
constexpr unsigned IDC_ABOUT_NOTICE = 1021;
constexpr unsigned IDC_ABOUT_VERSION = 1022;

// Controls of the memory dialog: the task list, its two buttons, and the
// icon, text and bar of each volume row.
constexpr unsigned IDC_KILL_TASK = 1000;
constexpr unsigned IDC_REFRESH_TASKS = 1001;
constexpr unsigned IDC_VOLUME_BAR1 = 1003;
constexpr unsigned IDC_VOLUME_BAR3 = 1004;
constexpr unsigned IDC_VOLUME_BAR2 = 1005;
constexpr unsigned IDC_VOLUME_ICON2 = 1016;
constexpr unsigned IDC_VOLUME_ICON3 = 1017;
constexpr unsigned IDC_VOLUME_ICON1 = 1018;
constexpr unsigned IDC_VOLUME_TEXT1 = 1019;
constexpr unsigned IDC_VOLUME_TEXT3 = 1020;
constexpr unsigned IDC_VOLUME_TEXT2 = 1021;
constexpr unsigned IDC_TASK_LIST = 1025;

// Controls of the settings dialog (OK and Cancel are IDOK and IDCANCEL).
constexpr unsigned IDC_BROWSE = 1002;
constexpr unsigned IDC_DELAY_DOWN = 1016;
constexpr unsigned IDC_DELAY_TEXT = 1020;
constexpr unsigned IDC_DELAY_UP = 1021;
constexpr unsigned IDC_SKIN_FOLDER = 1026;
constexpr unsigned IDC_WARNING_CHECK = 1033;
constexpr unsigned IDC_WARNING_LABEL = 1034;

// The folder browser's tree, made by the dialog itself.
constexpr unsigned IDC_FOLDER_TREE = 2528;

// Messages of the string table: the task list and the folder browser.
constexpr unsigned IDS_KILL_QUESTION = 61204;
constexpr unsigned IDS_KILL_FAILED = 61205;
constexpr unsigned IDS_NO_FILE = 61207;
constexpr unsigned IDS_NO_FILES_OR_FOLDERS = 61208;
// Added to the kill question when more than one process has the name.
constexpr unsigned IDS_KILL_COUNT = 61209;

// Names of the controls for screen readers, and what a few of them do.
constexpr unsigned IDS_NAME_MAIN_BATTERY = 300;
constexpr unsigned IDS_NAME_SECOND_BATTERY = 301;
constexpr unsigned IDS_NAME_MEMORY = 302;
constexpr unsigned IDS_NAME_STORAGE = 303;
constexpr unsigned IDS_NAME_TASK_LIST = 304;
constexpr unsigned IDS_NAME_BRIGHTNESS = 305;
constexpr unsigned IDS_NAME_RESTART = 306;
constexpr unsigned IDS_NAME_SUSPEND = 307;
constexpr unsigned IDS_NAME_EXIT = 308;
constexpr unsigned IDS_NAME_KEEP_OPEN = 309;
constexpr unsigned IDS_NAME_REFRESH = 310;
constexpr unsigned IDS_NAME_END_TASK = 311;
constexpr unsigned IDS_NAME_SHORTER = 312;
constexpr unsigned IDS_NAME_LONGER = 313;
constexpr unsigned IDS_NAME_BROWSE = 314;
constexpr unsigned IDS_NAME_OK = 315;
constexpr unsigned IDS_NAME_CANCEL = 316;
constexpr unsigned IDS_NAME_SKIN_FOLDER = 317;
constexpr unsigned IDS_NAME_FOLDERS = 318;
constexpr unsigned IDS_NAME_PROGRAMS = 319;
constexpr unsigned IDS_NAME_NO_VOLUME = 320;
constexpr unsigned IDS_NAME_PROGRAM = 321;
constexpr unsigned IDS_DESC_NEXT_FIGURE = 330;

// Error captions and messages, the read-outs' words and formats (two
// decimals on the monitor screen, one in the memory dialog), and the labels
// and questions the windows set themselves.
constexpr unsigned IDS_ERROR = 61300;
constexpr unsigned IDS_QUILLET_ERROR = 61301;
constexpr unsigned IDS_CANT_LOAD_PICTURE = 61302;
constexpr unsigned IDS_NO_BATTERY_STATUS = 61303;
constexpr unsigned IDS_NO_BATTERY = 61304;
constexpr unsigned IDS_UNKNOWN_LEVEL = 61305;
constexpr unsigned IDS_CHARGING = 61306;
constexpr unsigned IDS_MEMORY_FREE = 61310;
constexpr unsigned IDS_MEMORY_TOTAL = 61311;
constexpr unsigned IDS_MEMORY_USED = 61312;
constexpr unsigned IDS_MEMORY_FREE_OF_TOTAL = 61313;
constexpr unsigned IDS_VOLUME_FREE = 61314;
constexpr unsigned IDS_VOLUME_TOTAL = 61315;
constexpr unsigned IDS_VOLUME_USED = 61316;
constexpr unsigned IDS_VOLUME_FREE_OF_TOTAL = 61317;
constexpr unsigned IDS_SOFT_RESET_PROMPT = 61320;
constexpr unsigned IDS_PROCESSES = 61321;
constexpr unsigned IDS_DELAY_PREFIX = 61322;
constexpr unsigned IDS_DELAY_SUFFIX = 61323;
constexpr unsigned IDS_WARNING_LABEL = 61324;
constexpr unsigned IDS_CREDIT_LINE = 61325;

// Messages about the skin folder: a picture it cannot give, a typed folder refused.
constexpr unsigned IDS_PICTURE_STAND_IN = 61221;
constexpr unsigned IDS_SKIN_FOLDER_EMPTY = 61222;
constexpr unsigned IDS_SKIN_FOLDER_RELATIVE = 61223;

// Commands of the command bar and its menu; the tool buttons' strings are
// "prompt\ntip" under their command's id.
constexpr unsigned ID_ABOUT_TOOL = 32773;
constexpr unsigned ID_SETTINGS_TOOL = 32774;
constexpr unsigned ID_EXIT_TOOL = 32776;
constexpr unsigned ID_KEEP_OPEN = 32777;
constexpr unsigned ID_ABOUT_MENU = 32778;
constexpr unsigned ID_SETTINGS_MENU = 32779;
