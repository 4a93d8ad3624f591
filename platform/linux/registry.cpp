// The Reg* calls over the SQLite hive. A key is a row of `keys` (its parent's
// id and its name); a value is a row of `vals`. Handles name a row and stay
// valid until closed, and a closed one is refused even after another key
// took its place; a handle whose key was deleted gives ERROR_KEY_DELETED.
#include "platform/registry.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/handle_table_p.h"
#include "platform/linux/registry_store.h"
#include "platform/linux/registry_value.h"
#include "platform/linux/sql_statement.h"
#include "platform/text.h"

namespace {

// What an open key's handle names; HKEY__ is never defined.
struct OpenKey {
    std::int64_t id;
    std::string store; // a handle is good only for the hive it was opened in
};

using Access = RegistryStore::Access;

constexpr UINT_PTR kFirstRoot = 0x80000000;
constexpr UINT_PTR kLastRoot = 0x80000003;
constexpr size_t kMaxKeyName = 255;
constexpr size_t kMaxValueName = 16383;

// Open keys by handle; a handle's value lies above the root keys' values.
HandleTable<std::unique_ptr<OpenKey>>& OpenKeys()
{
    static HandleTable<std::unique_ptr<OpenKey>> table;
    return table;
}

bool IsRoot(HKEY key)
{
    auto raw = reinterpret_cast<UINT_PTR>(key);
    return raw >= kFirstRoot && raw <= kLastRoot;
}

LONG Resolve(HKEY key, std::int64_t& id)
{
    if (IsRoot(key)) {
        id = std::int64_t(reinterpret_cast<UINT_PTR>(key) - kFirstRoot + 1); // rows 1 to 4
        return ERROR_SUCCESS;
    }
    const OpenKey* open = OpenKeys().Find(reinterpret_cast<UINT_PTR>(key));
    if (!open || open->store != RegistryStore::Path())
        return ERROR_INVALID_HANDLE;
    id = open->id;
    return ERROR_SUCCESS;
}

HKEY NewHandle(std::int64_t id)
{
    return reinterpret_cast<HKEY>(OpenKeys().Add(std::make_unique<OpenKey>(OpenKey{id, RegistryStore::Path()})));
}

LONG StepError(int rc, Access access)
{
    return RegistryStore::ErrorFrom(rc, access);
}

LONG CheckAlive(sqlite3* db, std::int64_t id, Access access)
{
    SqlStatement select(db, "SELECT 1 FROM keys WHERE id = ?");
    int rc = select.Bind(1, id).Step();
    if (rc == SQLITE_ROW)
        return ERROR_SUCCESS;
    return rc == SQLITE_DONE ? ERROR_KEY_DELETED : StepError(rc, access);
}

// One transaction on the live key a handle names: resolves the handle,
// checks that its key still exists, then runs fn(db, id).
template <typename Fn> LONG RunOnKey(HKEY hKey, Access access, Fn&& fn)
{
    std::int64_t id = 0;
    LONG result = Resolve(hKey, id);
    if (result != ERROR_SUCCESS)
        return result;
    return RegistryStore::Run(access, [&](sqlite3* db) {
        LONG step = CheckAlive(db, id, access);
        return step == ERROR_SUCCESS ? fn(db, id) : step;
    });
}

// "a\b\c" into its names; null or empty is the key itself, one trailing "\" is allowed.
LONG SplitPath(LPCWSTR path, std::vector<std::string>& names)
{
    std::u16string_view rest = path ? std::u16string_view(path) : std::u16string_view();
    while (!rest.empty()) {
        size_t cut = std::min(rest.find(u'\\'), rest.size());
        std::u16string_view name = rest.substr(0, cut);
        if (name.empty() || name.size() > kMaxKeyName)
            return ERROR_INVALID_PARAMETER;
        names.push_back(Utf16ToUtf8(name));
        rest.remove_prefix(std::min(cut + 1, rest.size()));
    }
    return ERROR_SUCCESS;
}

LONG FindChild(sqlite3* db, std::int64_t parent, const std::string& name, std::int64_t& child, Access access)
{
    SqlStatement select(db, "SELECT id FROM keys WHERE parent = ? AND name = ?");
    int rc = select.Bind(1, parent).Bind(2, name).Step();
    if (rc == SQLITE_ROW)
        child = select.Int(0);
    return rc == SQLITE_ROW ? ERROR_SUCCESS : rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : StepError(rc, access);
}

LONG AddChild(sqlite3* db, std::int64_t parent, const std::string& name, std::int64_t& child)
{
    SqlStatement insert(db, "INSERT INTO keys(parent, name) VALUES (?, ?)");
    int rc = insert.Bind(1, parent).Bind(2, name).Step();
    child = sqlite3_last_insert_rowid(db);
    return rc == SQLITE_DONE ? ERROR_SUCCESS : StepError(rc, Access::Write);
}

LONG ReadValue(sqlite3* db, std::int64_t key, LPCWSTR name, DWORD& type, std::vector<BYTE>& data)
{
    SqlStatement select(db, "SELECT type, data FROM vals WHERE key = ? AND name = ?");
    int rc = select.Bind(1, key).Bind(2, Utf16ToUtf8(name ? name : u"")).Step();
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : StepError(rc, Access::Read);
    type = DWORD(select.Int(0));
    data = ColumnValueData(select, 1);
    return ERROR_SUCCESS;
}

// Hands value data out as the platform does: size only without a buffer,
// ERROR_MORE_DATA with the needed size when the buffer is too small.
LONG CopyData(DWORD type, const std::vector<BYTE>& data, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpType)
        *lpType = type;
    if (!lpcbData)
        return ERROR_SUCCESS;
    DWORD room = *lpcbData;
    *lpcbData = DWORD(data.size());
    if (!lpData)
        return ERROR_SUCCESS;
    if (room < data.size())
        return ERROR_MORE_DATA;
    std::copy(data.begin(), data.end(), lpData);
    return ERROR_SUCCESS;
}

// Copies a name into a character buffer whose size counts the terminator.
LONG CopyName(const std::string& name, LPWSTR buffer, LPDWORD lpcch)
{
    std::u16string text = Utf8ToUtf16(name);
    if (text.size() + 1 > *lpcch)
        return ERROR_MORE_DATA;
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    *lpcch = DWORD(text.size());
    return ERROR_SUCCESS;
}

LONG OpenOrCreate(HKEY hKey, LPCWSTR lpSubKey, bool create, PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    std::vector<std::string> names;
    LONG result = SplitPath(lpSubKey, names);
    if (result != ERROR_SUCCESS)
        return result;
    bool created = false;
    std::int64_t id = 0;
    Access access = create ? Access::Write : Access::Read;
    result = RunOnKey(hKey, access, [&](sqlite3* db, std::int64_t key) {
        LONG step = ERROR_SUCCESS;
        id = key;
        for (const std::string& name : names) {
            step = FindChild(db, id, name, id, access);
            if (step == ERROR_FILE_NOT_FOUND && create) {
                step = AddChild(db, id, name, id);
                created = true;
            }
            if (step != ERROR_SUCCESS)
                break;
        }
        return step;
    });
    if (result != ERROR_SUCCESS)
        return result;
    if (lpdwDisposition)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *phkResult = (IsRoot(hKey) && names.empty()) ? hKey : NewHandle(id);
    return ERROR_SUCCESS;
}

} // namespace

std::string RegStorePath()
{
    return RegistryStore::Path();
}

LONG RegRunInOneTransaction(const std::function<LONG()>& fnBody)
{
    return fnBody ? RegistryStore::RunBatch(fnBody) : ERROR_INVALID_PARAMETER;
}

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    return OpenOrCreate(hKey, lpSubKey, false, phkResult, nullptr);
}

LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY phkResult,
    LPDWORD lpdwDisposition)
{
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    return OpenOrCreate(hKey, lpSubKey, true, phkResult, lpdwDisposition);
}

LONG RegCloseKey(HKEY hKey)
{
    if (IsRoot(hKey))
        return ERROR_SUCCESS;
    return OpenKeys().Remove(reinterpret_cast<UINT_PTR>(hKey)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueExW(
    HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    const LONG result = RunOnKey(
        hKey, Access::Read, [&](sqlite3* db, std::int64_t id) { return ReadValue(db, id, lpValueName, type, data); });
    return result == ERROR_SUCCESS ? CopyData(type, data, lpType, lpData, lpcbData) : result;
}

LONG RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, LPCBYTE lpData, DWORD cbData)
{
    if ((!lpData && cbData > 0) || WideLength(lpValueName) > kMaxValueName)
        return ERROR_INVALID_PARAMETER;
    std::vector<BYTE> data(lpData, lpData + cbData);
    return RunOnKey(hKey, Access::Write, [&](sqlite3* db, std::int64_t id) {
        SqlStatement upsert(db,
            "INSERT INTO vals(key, name, type, data) VALUES (?, ?, ?, ?)"
            " ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data");
        upsert.Bind(1, id).Bind(2, Utf16ToUtf8(lpValueName ? lpValueName : u"")).Bind(3, std::int64_t(dwType));
        BindValueData(upsert, 4, dwType, data);
        int rc = upsert.Step();
        return rc == SQLITE_DONE ? ERROR_SUCCESS : StepError(rc, Access::Write);
    });
}

LONG RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPWSTR lpClass,
    LPDWORD lpcchClass, PFILETIME)
{
    if (!lpName || !lpcchName || lpReserved)
        return ERROR_INVALID_PARAMETER;
    std::string name;
    const LONG result = RunOnKey(hKey, Access::Read, [&](sqlite3* db, std::int64_t id) {
        SqlStatement select(db, "SELECT name FROM keys WHERE parent = ? ORDER BY name LIMIT 1 OFFSET ?");
        int rc = select.Bind(1, id).Bind(2, std::int64_t(dwIndex)).Step();
        if (rc == SQLITE_ROW)
            name = select.Text(0);
        return rc == SQLITE_ROW ? ERROR_SUCCESS : rc == SQLITE_DONE ? ERROR_NO_MORE_ITEMS : StepError(rc, Access::Read);
    });
    if (result != ERROR_SUCCESS)
        return result;
    if (lpClass && lpcchClass && *lpcchClass > 0)
        lpClass[0] = 0; // keys carry no class
    if (lpcchClass)
        *lpcchClass = 0;
    return CopyName(name, lpName, lpcchName);
}

LONG RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
    LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    LONG result = RunOnKey(hKey, Access::Read, [&](sqlite3* db, std::int64_t id) {
        // Values enumerate in the order they were first set, as on the platform.
        SqlStatement select(db, "SELECT name, type, data FROM vals WHERE key = ? ORDER BY rowid LIMIT 1 OFFSET ?");
        int rc = select.Bind(1, id).Bind(2, std::int64_t(dwIndex)).Step();
        if (rc == SQLITE_ROW) {
            name = select.Text(0);
            type = DWORD(select.Int(1));
            data = ColumnValueData(select, 2);
        }
        return rc == SQLITE_ROW ? ERROR_SUCCESS : rc == SQLITE_DONE ? ERROR_NO_MORE_ITEMS : StepError(rc, Access::Read);
    });
    if (result != ERROR_SUCCESS)
        return result;
    result = CopyName(name, lpValueName, lpcchValueName);
    LONG copied = CopyData(type, data, lpType, lpData, lpcbData);
    return result != ERROR_SUCCESS ? result : copied;
}

LONG RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName)
{
    return RunOnKey(hKey, Access::Write, [&](sqlite3* db, std::int64_t id) {
        SqlStatement erase(db, "DELETE FROM vals WHERE key = ? AND name = ?");
        int rc = erase.Bind(1, id).Bind(2, Utf16ToUtf8(lpValueName ? lpValueName : u"")).Step();
        if (rc != SQLITE_DONE)
            return StepError(rc, Access::Write);
        return sqlite3_changes(db) > 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

// Deletes one key without sub-keys; a key that still has sub-keys is refused
// with ERROR_ACCESS_DENIED, so a tree goes only by deleting its leaves first.
LONG RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey)
{
    std::vector<std::string> names;
    LONG result = SplitPath(lpSubKey, names);
    if (result == ERROR_SUCCESS && names.empty())
        result = ERROR_INVALID_PARAMETER;
    if (result != ERROR_SUCCESS)
        return result;
    return RunOnKey(hKey, Access::Write, [&](sqlite3* db, std::int64_t id) {
        LONG step = ERROR_SUCCESS;
        for (const std::string& name : names)
            if (step == ERROR_SUCCESS)
                step = FindChild(db, id, name, id, Access::Write);
        if (step != ERROR_SUCCESS)
            return step;
        SqlStatement child(db, "SELECT 1 FROM keys WHERE parent = ? LIMIT 1");
        int rc = child.Bind(1, id).Step();
        if (rc == SQLITE_ROW)
            return ERROR_ACCESS_DENIED;
        if (rc != SQLITE_DONE)
            return StepError(rc, Access::Write);
        SqlStatement values(db, "DELETE FROM vals WHERE key = ?");
        SqlStatement key(db, "DELETE FROM keys WHERE id = ?");
        rc = values.Bind(1, id).Step();
        if (rc == SQLITE_DONE)
            rc = key.Bind(1, id).Step();
        return rc == SQLITE_DONE ? ERROR_SUCCESS : StepError(rc, Access::Write);
    });
}
