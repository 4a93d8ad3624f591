#include "support/SettingsStore.h"

#include <memory>

#include "support/LuRegistry.h"

namespace {

constexpr LPCWSTR kSettingsKey = u"Software\\Quillet\\Settings";
constexpr LPCWSTR kSkinPath = u"SkinPath";
constexpr LPCWSTR kPause = u"Pause";
constexpr LPCWSTR kSoftResetMessage = u"SR_Message";
constexpr DWORD kDefaultPause = 15;
constexpr DWORD kMinPause = 2;
constexpr DWORD kMaxPause = 15;

std::unique_ptr<CLuRegistry> OpenSettings()
{
    return std::make_unique<CLuRegistry>(HKEY_LOCAL_MACHINE, kSettingsKey, TRUE);
}

}  // namespace

CLuString ReadSettingsStore(LONG& nAutoCloseSeconds, BOOL& bSoftResetWarning)
{
    std::unique_ptr<CLuRegistry> registry = OpenSettings();
    CLuString skinPath(u"");
    if (registry->m_bExisted) {
        skinPath = registry->ReadString(kSkinPath, nullptr);
        // Out-of-range values are mended in memory only; the key keeps what the user stored.
        DWORD pause = registry->ReadDword(kPause, 0);
        nAutoCloseSeconds = LONG(pause < kMinPause || pause > kMaxPause ? kDefaultPause : pause);
        bSoftResetWarning = registry->ReadDword(kSoftResetMessage, 0) == 1 ? TRUE : FALSE;
    } else {
        // Just created, or not even that: write the first-start values (which
        // fails quietly without a key) and use them.
        registry->WriteString(kSkinPath, u"");
        registry->WriteDword(kPause, kDefaultPause);
        registry->WriteDword(kSoftResetMessage, 0);
        nAutoCloseSeconds = LONG(kDefaultPause);
        bSoftResetWarning = FALSE;
    }
    registry->Close();
    return skinPath;
}

BOOL WriteSkinPathSetting(LPCWSTR pszSkinPath)
{
    std::unique_ptr<CLuRegistry> registry = OpenSettings();
    BOOL written = registry->WriteString(kSkinPath, pszSkinPath);
    registry->Close();
    return written;
}

BOOL WritePauseSetting(DWORD dwSeconds)
{
    std::unique_ptr<CLuRegistry> registry = OpenSettings();
    BOOL written = registry->WriteDword(kPause, dwSeconds);
    registry->Close();
    return written;
}

BOOL WriteSoftResetWarningSetting(DWORD dwWarning)
{
    std::unique_ptr<CLuRegistry> registry = OpenSettings();
    BOOL written = registry->WriteDword(kSoftResetMessage, dwWarning);
    registry->Close();
    return written;
}
