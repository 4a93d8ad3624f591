// One open registry key and typed values under it. Users create it on the
// heap for one access and delete it right after; every result is TRUE/FALSE
// or a returned value, and it never shows anything to the user.
#pragma once

#include "platform/registry.h"
#include "platform/types.h"
#include "support/LuString.h"

// Given as ReadDword's default: return it for a missing value but do not store it.
constexpr DWORD REG_DEFAULT_NO_WRITE = 0xDEF0;

class CLuRegistry {
public:
    CLuRegistry(HKEY hRoot, LPCWSTR pszSubKey, BOOL bCreate);
    // Opens or creates m_strSubKey under the source's open key.
    CLuRegistry(const CLuRegistry& source);
    CLuRegistry& operator=(const CLuRegistry&) = delete;
    virtual ~CLuRegistry();

    BOOL Close();

    DWORD ReadDword(LPCWSTR pszName, DWORD dwDefault);
    BOOL WriteDword(LPCWSTR pszName, DWORD dwValue);
    CLuString ReadString(LPCWSTR pszName, LPCWSTR pszDefault);
    BOOL WriteString(LPCWSTR pszName, LPCWSTR pszValue);
    // A null buffer asks for the size only.
    BOOL ReadBinary(LPCWSTR pszName, LPBYTE pData, DWORD& cbData);
    BOOL WriteBinary(LPCWSTR pszName, LPCBYTE pData, DWORD cbData);

    BOOL DeleteKey(LPCWSTR pszSubKey);
    static BOOL DeleteKeyTree(HKEY hParent, LPCWSTR pszSubKey);
    BOOL KeyExists(LPCWSTR pszSubKey);
    BOOL EnumKeyFirst(CLuString& strName) { return EnumName(Listing::keys, 0, strName); }
    BOOL EnumKeyNext(CLuString& strName) { return EnumName(Listing::keys, m_nEnumIndex + 1, strName); }
    BOOL EnumKeyAt(CLuString& strName, DWORD nIndex) { return EnumName(Listing::keys, nIndex, strName); }

    BOOL DeleteValue(LPCWSTR pszName);
    BOOL ValueExists(LPCWSTR pszName);
    BOOL EnumValueFirst(CLuString& strName) { return EnumName(Listing::values, 0, strName); }
    BOOL EnumValueNext(CLuString& strName) { return EnumName(Listing::values, m_nEnumIndex + 1, strName); }
    // 1 binary, 2 DWORD, 3 string, 4 multi-string, 0 other or missing.
    int GetValueType(LPCWSTR pszName);
    DWORD GetValueSize(LPCWSTR pszName);

    BOOL m_bExisted;
    HKEY m_hKey;
    DWORD m_dwDisposition;
    DWORD m_nEnumIndex;
    CLuString m_strSubKey;

private:
    enum class Listing { keys, values };
    // Makes the index the current one and reads the name of the sub-key or
    // value there; a failed read leaves the name empty.
    BOOL EnumName(Listing listing, DWORD nIndex, CLuString& strName);
};
