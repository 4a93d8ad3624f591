#include "framework/resources.h"

#include <string>
#include <vector>

#include "framework/language.h"

namespace {

// The string table in the chosen language, entry by entry; empty until one
// is chosen.
std::vector<std::u16string>& TranslatedStrings()
{
    static std::vector<std::u16string> strings;
    return strings;
}

} // namespace

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
    const std::vector<std::u16string>& translated = TranslatedStrings();
    for (size_t i = 0; i < afxResources.nStrings; ++i)
        if (afxResources.pStrings[i].nID == nID)
            return i < translated.size() ? translated[i].c_str() : afxResources.pStrings[i].lpszText;
    return nullptr;
}

void AfxTranslateStringTable()
{
    std::vector<std::u16string>& translated = TranslatedStrings();
    translated.clear();
    for (size_t i = 0; i < afxResources.nStrings; ++i)
        translated.push_back(AfxTranslate(AFX_CONTEXT_STRING, afxResources.pStrings[i].lpszText));
}
