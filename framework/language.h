// The language of every text a person sees: one of the program's translation
// catalogs (built in, as ":/i18n/quillet_LL.qm"), and the toolkit's own for
// the same language.
#pragma once

#include <string>

#include "platform/types.h"

// Chooses the first of the user's languages that the program has a catalog
// for (the toolkit reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG), English
// for every other, and loads that catalog; the toolkit's own words (Yes, No,
// OK) follow the same choice. A locale name ("ru_RU") chooses for that
// locale instead of the user's. Needs the toolkit's application.
void AfxSetLanguage(const char* pszLocale = nullptr);

// The text in the chosen language, looked up in the catalogs' context; the
// text itself where there is no translation or no language yet.
std::u16string AfxTranslate(const char* pszContext, LPCWSTR lpszText);
