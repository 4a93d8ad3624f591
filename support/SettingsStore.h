// The program's three settings in HKEY_LOCAL_MACHINE\Software\Quillet\Settings.
// Each access uses a fresh wrapper that is closed and deleted at once; no
// failure is ever shown, reading falls back to the first-start values.
#pragma once

#include "platform/types.h"
#include "support/LuString.h"

// Returns "SkinPath" (empty, possibly without buffer, for the default skin);
// sets the auto-close delay (2 to 15 seconds) and the soft-reset warning.
CLuString ReadSettingsStore(LONG& nAutoCloseSeconds, BOOL& bSoftResetWarning);
BOOL WriteSkinPathSetting(LPCWSTR pszSkinPath);
BOOL WritePauseSetting(DWORD dwSeconds);
BOOL WriteSoftResetWarningSetting(DWORD dwWarning);
