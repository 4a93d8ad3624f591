// The device registry: keys holding sub-keys and typed values, under the
// platform's names and contracts. On Linux the hive is one SQLite file per
// user, $XDG_CONFIG_HOME/quillet/registry.sqlite3 (fallback ~/.config).
// Every call is one transaction, so concurrent programs and crashes never
// leave a value half written.
#pragma once

#include <functional>
#include <string>

#include "platform/error.h"
#include "platform/types.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
using LPCBYTE = const BYTE*;

// Only ever passed as null by the program; never dereferenced here.
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
struct FILETIME;
using PFILETIME = FILETIME*;

// Predefined roots: fixed handle values that are always open.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(UINT_PTR(0x80000000)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(UINT_PTR(0x80000001)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(UINT_PTR(0x80000002)))
#define HKEY_USERS (reinterpret_cast<HKEY>(UINT_PTR(0x80000003)))

// The Reg* calls return the ERROR_* codes of platform/error.h.

// Access rights: accepted and ignored, the hive belongs to its user.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;

constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_DWORD_BIG_ENDIAN = 5;
constexpr DWORD REG_LINK = 6;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass, DWORD dwOptions, REGSAM samDesired,
    LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult, LPDWORD lpdwDisposition);
LONG RegCloseKey(HKEY hKey);
LONG RegQueryValueExW(
    HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
LONG RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD Reserved, DWORD dwType, LPCBYTE lpData, DWORD cbData);
LONG RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPWSTR lpClass,
    LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
LONG RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
    LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
LONG RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName);
LONG RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey);

// Runs fnBody with every registry call it makes in one transaction: all of
// them take effect when it returns ERROR_SUCCESS, none of them otherwise.
LONG RegRunInOneTransaction(const std::function<LONG()>& fnBody);

// Where the hive lives for the current environment (UTF-8), for messages.
std::string RegStorePath();
