#include "support/LuRegistry.h"

#include "platform/debug.h"
#include "platform/text.h"

namespace {

constexpr DWORD kNameChars = 260; // room for enumerated names, terminator included

} // namespace

CLuRegistry::CLuRegistry(HKEY hRoot, LPCWSTR pszSubKey, BOOL bCreate)
    : m_bExisted(FALSE), m_hKey(nullptr), m_dwDisposition(0), m_nEnumIndex(0), m_strSubKey(u"")
{
    if (RegOpenKeyExW(hRoot, pszSubKey, 0, KEY_ALL_ACCESS, &m_hKey) == ERROR_SUCCESS) {
        m_bExisted = TRUE;
        return;
    }
    m_hKey = nullptr;
    if (bCreate &&
        RegCreateKeyExW(hRoot, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_hKey,
            &m_dwDisposition) != ERROR_SUCCESS)
        m_hKey = nullptr;
}

CLuRegistry::CLuRegistry(const CLuRegistry& source)
    : m_bExisted(FALSE), m_hKey(nullptr), m_dwDisposition(0), m_nEnumIndex(0), m_strSubKey(source.m_strSubKey)
{
    if (!source.m_hKey)
        return;
    LPCWSTR subKey = m_strSubKey ? static_cast<LPCWSTR>(m_strSubKey) : u"";
    if (RegCreateKeyExW(source.m_hKey, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_hKey,
            &m_dwDisposition) == ERROR_SUCCESS) {
        m_bExisted = m_dwDisposition == REG_OPENED_EXISTING_KEY;
        return;
    }
    m_hKey = nullptr;
    OutputDebugStringW(u"CLuRegistry() Copy Constructor: Unable to create subkey: ");
    OutputDebugStringW(subKey);
    OutputDebugStringW(u"\n");
}

CLuRegistry::~CLuRegistry()
{
    RegCloseKey(m_hKey);
}

BOOL CLuRegistry::Close()
{
    if (!m_hKey)
        return FALSE;
    RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return TRUE;
}

DWORD CLuRegistry::ReadDword(LPCWSTR pszName, DWORD dwDefault)
{
    BYTE data[4] = {};
    DWORD size = sizeof data;
    // Any type of at most 4 bytes reads as a number; anything longer counts as missing.
    if (RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, data, &size) == ERROR_SUCCESS)
        return DWORD(data[0]) | DWORD(data[1]) << 8 | DWORD(data[2]) << 16 | DWORD(data[3]) << 24;
    if (dwDefault != REG_DEFAULT_NO_WRITE)
        WriteDword(pszName, dwDefault);
    return dwDefault;
}

BOOL CLuRegistry::WriteDword(LPCWSTR pszName, DWORD dwValue)
{
    const BYTE data[4] = {BYTE(dwValue), BYTE(dwValue >> 8), BYTE(dwValue >> 16), BYTE(dwValue >> 24)};
    return RegSetValueExW(m_hKey, pszName, 0, REG_DWORD, data, sizeof data) == ERROR_SUCCESS;
}

CLuString CLuRegistry::ReadString(LPCWSTR pszName, LPCWSTR pszDefault)
{
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExW(m_hKey, pszName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        if (type != REG_SZ)
            return CLuString(pszDefault);
        CLuString value;
        // Bytes as characters: twice the room the text needs.
        LPWSTR buffer = value.GetBuffer(size + 1);
        LONG read = RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer), &size);
        value.ReleaseBuffer(-1);
        if (read == ERROR_SUCCESS)
            return value;
    }
    if (!pszDefault)
        return CLuString();
    WriteString(pszName, pszDefault);
    return CLuString(pszDefault);
}

BOOL CLuRegistry::WriteString(LPCWSTR pszName, LPCWSTR pszValue)
{
    if (!pszValue)
        return FALSE;
    DWORD size = DWORD((WideLength(pszValue) + 1) * sizeof(WCHAR));
    return RegSetValueExW(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<LPCBYTE>(pszValue), size) == ERROR_SUCCESS;
}

BOOL CLuRegistry::ReadBinary(LPCWSTR pszName, LPBYTE pData, DWORD& cbData)
{
    DWORD type = REG_NONE;
    return RegQueryValueExW(m_hKey, pszName, nullptr, &type, pData, &cbData) == ERROR_SUCCESS && type == REG_BINARY;
}

BOOL CLuRegistry::WriteBinary(LPCWSTR pszName, LPCBYTE pData, DWORD cbData)
{
    if (!pData && cbData > 0)
        return FALSE;
    return RegSetValueExW(m_hKey, pszName, 0, REG_BINARY, pData, cbData) == ERROR_SUCCESS;
}

BOOL CLuRegistry::DeleteKey(LPCWSTR pszSubKey)
{
    return DeleteKeyTree(m_hKey, pszSubKey);
}

BOOL CLuRegistry::DeleteKeyTree(HKEY hParent, LPCWSTR pszSubKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(hParent, pszSubKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return FALSE;
    WCHAR child[kNameChars];
    DWORD size = kNameChars;
    while (RegEnumKeyExW(key, 0, child, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        if (!DeleteKeyTree(key, child)) {
            RegCloseKey(key);
            return FALSE;
        }
        size = kNameChars;
    }
    RegCloseKey(key);
    return RegDeleteKeyW(hParent, pszSubKey) == ERROR_SUCCESS;
}

BOOL CLuRegistry::KeyExists(LPCWSTR pszSubKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(m_hKey, pszSubKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(key);
    return TRUE;
}

BOOL CLuRegistry::EnumName(Listing listing, DWORD nIndex, CLuString& strName)
{
    m_nEnumIndex = nIndex;
    DWORD size = kNameChars;
    LPWSTR pszBuffer = strName.GetBuffer(kNameChars);
    const LONG result = listing == Listing::keys
        ? RegEnumKeyExW(m_hKey, m_nEnumIndex, pszBuffer, &size, nullptr, nullptr, nullptr, nullptr)
        : RegEnumValueW(m_hKey, m_nEnumIndex, pszBuffer, &size, nullptr, nullptr, nullptr, nullptr);
    // A failed read leaves the buffer as it was; the name must not survive.
    if (result != ERROR_SUCCESS)
        pszBuffer[0] = 0;
    strName.ReleaseBuffer(-1);
    return result == ERROR_SUCCESS;
}

BOOL CLuRegistry::DeleteValue(LPCWSTR pszName)
{
    return RegDeleteValueW(m_hKey, pszName) == ERROR_SUCCESS;
}

BOOL CLuRegistry::ValueExists(LPCWSTR pszName)
{
    return pszName && RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

int CLuRegistry::GetValueType(LPCWSTR pszName)
{
    DWORD type = REG_NONE;
    if (RegQueryValueExW(m_hKey, pszName, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    switch (type) {
    case REG_BINARY:
        return 1;
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        return 2;
    case REG_SZ:
    case REG_EXPAND_SZ:
        return 3;
    case REG_MULTI_SZ:
        return 4;
    default:
        return 0;
    }
}

DWORD CLuRegistry::GetValueSize(LPCWSTR pszName)
{
    DWORD size = 0;
    return RegQueryValueExW(m_hKey, pszName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS ? size : 0;
}
