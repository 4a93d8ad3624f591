#include "framework/resources.h"

const AFX_DLGTEMPLATE* AfxFindDialogTemplate(UINT nID)
{
    for (size_t i = 0; i < afxResources.nDialogs; ++i)
        if (afxResources.pDialogs[i]->nID == nID)
            return afxResources.pDialogs[i];
    return nullptr;
}

const AFX_MENU* AfxFindMenu(UINT nID)
{
    for (size_t i = 0; i < afxResources.nMenus; ++i)
        if (afxResources.pMenus[i].nID == nID)
            return &afxResources.pMenus[i];
    return nullptr;
}

const AFX_ACCELTABLE* AfxFindAccelerators(UINT nID)
{
    for (size_t i = 0; i < afxResources.nAccelTables; ++i)
        if (afxResources.pAccelTables[i].nID == nID)
            return &afxResources.pAccelTables[i];
    return nullptr;
}

LPCWSTR AfxFindString(UINT nID)
{
    for (size_t i = 0; i < afxResources.nStrings; ++i)
        if (afxResources.pStrings[i].nID == nID)
            return afxResources.pStrings[i].lpszText;
    return nullptr;
}
