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

// Each write has a wrapper of its own, closed and deleted right after.
template <typename Write> BOOL WriteOneSetting(Write write)
{
    std::unique_ptr<CLuRegistry> registry = OpenSettings();
    const BOOL written = write(*registry);
    registry->Close();
    return written;
}

} // namespace

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
    return WriteOneSetting([&](CLuRegistry& r) { return r.WriteString(kSkinPath, pszSkinPath); });
}

BOOL WritePauseSetting(DWORD dwSeconds)
{
    return WriteOneSetting([&](CLuRegistry& r) { return r.WriteDword(kPause, dwSeconds); });
}

BOOL WriteSoftResetWarningSetting(DWORD dwWarning)
{
    return WriteOneSetting([&](CLuRegistry& r) { return r.WriteDword(kSoftResetMessage, dwWarning); });
}
