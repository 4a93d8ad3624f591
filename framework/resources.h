// Resources of the program (dialog templates, menus, accelerators, strings),
// held as C++ data by the program's res/ folder and looked up by id here.
// Their texts are in English and are shown in the user's language: see
// framework/language.h.
#pragma once

#include <cstddef>

#include "platform/types.h"

struct AFX_DLGITEM {
    LPCWSTR lpszClass; // "Button", "msctls_progress32", "Static", "Edit", ...
    LPCWSTR lpszText;
    UINT nID;
    short x, y, cx, cy; // dialog units
    DWORD dwStyle;
    DWORD dwExStyle;
};

struct AFX_DLGTEMPLATE {
    UINT nID;
    DWORD dwStyle;
    DWORD dwExStyle;
    short cx, cy; // dialog units
    LPCWSTR lpszTitle;
    LPCWSTR lpszFont;
    WORD wPointSize;
    const AFX_DLGITEM* pItems;
    size_t nItems;
};

constexpr UINT MF_STRING = 0x0;
constexpr UINT MF_SEPARATOR = 0x800;
constexpr UINT MF_POPUP = 0x10;

struct AFX_MENUITEM {
    UINT nFlags;
    UINT nID;
    LPCWSTR lpszText;
    int nLevel; // 0 for a popup's own entry, 1 for its items
};

struct AFX_MENU {
    UINT nID;
    const AFX_MENUITEM* pItems;
    size_t nItems;
};

struct AFX_ACCEL {
    BYTE fVirt;
    WORD key; // virtual-key code
    WORD cmd;
};

struct AFX_ACCELTABLE {
    UINT nID;
    const AFX_ACCEL* pAccels;
    size_t nAccels;
};

struct AFX_STRING {
    UINT nID;
    LPCWSTR lpszText;
};

struct AFX_RESOURCES {
    const AFX_DLGTEMPLATE* const* pDialogs;
    size_t nDialogs;
    const AFX_MENU* pMenus;
    size_t nMenus;
    const AFX_ACCELTABLE* pAccelTables;
    size_t nAccelTables;
    const AFX_STRING* pStrings;
    size_t nStrings;
};

// The framework's own strings, which the program's table holds: the command
// bar's close button ("prompt\ntip", as for tool buttons).
constexpr UINT AFX_IDS_SCCLOSE = 0xEF06;

// Defined by the program (res/).
extern const AFX_RESOURCES afxResources;

// Marks a text of the resource tables for the translation catalogs: lupdate
// reads AFX_TEXT as the toolkit's QT_TRANSLATE_NOOP. The context is the one
// of its kind below, written out (lupdate does not expand macros); the
// framework looks the text up in that context when it shows it.
#define AFX_TEXT(context, text) u"" text
inline constexpr char AFX_CONTEXT_DIALOG[] = "Dialog"; // titles and control texts of templates
inline constexpr char AFX_CONTEXT_MENU[] = "Menu";
inline constexpr char AFX_CONTEXT_STRING[] = "String";

const AFX_DLGTEMPLATE* AfxFindDialogTemplate(UINT nID);
const AFX_MENU* AfxFindMenu(UINT nID);
const AFX_ACCELTABLE* AfxFindAccelerators(UINT nID);
// The string in the chosen language, resident until the language changes.
LPCWSTR AfxFindString(UINT nID);
// Puts the string table into the chosen language; AfxSetLanguage calls it.
void AfxTranslateStringTable();

// Virtual-key codes used by accelerators.
constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_F6 = 0x75;
