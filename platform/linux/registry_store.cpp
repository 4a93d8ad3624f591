#include "platform/linux/registry_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "platform/registry.h"

namespace {

constexpr int kBusyTimeoutMs = 10000;
constexpr int kApplicationId = 0x51524547;         // "QREG": tells our hive from other databases
constexpr char kSqliteMagic[] = "SQLite format 3"; // with its zero, the first 16 bytes

constexpr const char* kSchema = "PRAGMA user_version = 1;"
                                "BEGIN;"
                                "CREATE TABLE keys(id INTEGER PRIMARY KEY AUTOINCREMENT,"
                                " parent INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE, UNIQUE(parent, name));"
                                "CREATE TABLE vals(key INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE,"
                                " type INTEGER NOT NULL, data, UNIQUE(key, name));"
                                "INSERT INTO keys(id, parent, name) VALUES (1, 0, 'HKEY_CLASSES_ROOT'),"
                                " (2, 0, 'HKEY_CURRENT_USER'), (3, 0, 'HKEY_LOCAL_MACHINE'), (4, 0, 'HKEY_USERS');"
                                "COMMIT;";

struct Connection {
    sqlite3* db = nullptr;
    std::string path;
    dev_t dev = 0;
    ino_t ino = 0;
    pid_t pid = 0;

    void Drop()
    {
        // A connection inherited across fork belongs to the parent: never close it here.
        if (db && pid == getpid())
            sqlite3_close(db);
        db = nullptr;
    }
    ~Connection() { Drop(); }
};

std::recursive_mutex g_mutex;
Connection g_connection;
bool g_inBatch = false; // under g_mutex: calls join the batch's transaction

LONG ErrnoError(int error)
{
    return (error == EACCES || error == EPERM || error == EROFS) ? ERROR_ACCESS_DENIED : ERROR_CANTOPEN;
}

// Only a file that starts with the SQLite header is ever handed to SQLite, so
// garbage is refused before anything could write to it. ourId tells whether
// the header carries our application id (bytes 68 to 71, big-endian).
LONG CheckHeader(const std::string& path, bool* ourId = nullptr)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ErrnoError(errno);
    char header[100] = {};
    ssize_t got = read(fd, header, sizeof header);
    close(fd);
    if (got != ssize_t(sizeof header) || std::memcmp(header, kSqliteMagic, sizeof kSqliteMagic) != 0)
        return ERROR_BADDB;
    if (ourId) {
        const auto* id = reinterpret_cast<const unsigned char*>(header + 68);
        *ourId = ((std::uint32_t(id[0]) << 24) | (id[1] << 16) | (id[2] << 8) | id[3]) == std::uint32_t(kApplicationId);
    }
    return ERROR_SUCCESS;
}

LONG QueryInt(sqlite3* db, const char* sql, std::int64_t& value)
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0), rc = SQLITE_OK;
    sqlite3_finalize(stmt);
    return rc == SQLITE_OK ? ERROR_SUCCESS : RegistryStore::ErrorFrom(rc, RegistryStore::Access::Read);
}

// Checks a database read-only, so that a damaged one is never written, not
// even by the checkpoint that closing a connection may run. needsRollback:
// a writer died mid-transaction and left its journal, which a read-only
// connection cannot play back.
LONG Verify(const std::string& path, bool* needsRollback)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    LONG result = rc == SQLITE_OK ? ERROR_SUCCESS : RegistryStore::ErrorFrom(rc, RegistryStore::Access::Read);
    if (result == ERROR_SUCCESS) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        std::int64_t id = 0;
        result = QueryInt(db, "PRAGMA application_id", id);
        *needsRollback = sqlite3_extended_errcode(db) == SQLITE_READONLY_ROLLBACK;
        if (result == ERROR_SUCCESS && id != kApplicationId)
            result = ERROR_BADDB;
        sqlite3_stmt* stmt = nullptr;
        if (result == ERROR_SUCCESS) {
            rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &stmt, nullptr);
            if (rc == SQLITE_OK)
                rc = sqlite3_step(stmt);
            if (rc != SQLITE_ROW)
                result = RegistryStore::ErrorFrom(rc, RegistryStore::Access::Read);
            else if (std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "ok") != 0)
                result = ERROR_BADDB;
            sqlite3_finalize(stmt);
        }
    }
    sqlite3_close(db);
    return result;
}

// Builds a complete hive under a temporary name and moves it into place
// without replacing anything, so a half-made or concurrently made file is
// never seen at the real path.
LONG Create(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!std::filesystem::exists(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec)
            return ErrnoError(ec.value());
        chmod(folder.c_str(), 0700);
    }
    std::string temp = path + ".new-XXXXXX";
    int fd = mkstemp(temp.data()); // mode 0600, which SQLite gives its journal too
    if (fd < 0)
        return ErrnoError(errno);
    close(fd);

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // A rollback journal: every committed value is in the file itself, so a
    // copy of the file alone is a whole copy of the settings.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        std::string id = "PRAGMA application_id = " + std::to_string(kApplicationId);
        rc = sqlite3_exec(db, id.c_str(), nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    int closed = sqlite3_close(db);
    if (rc != SQLITE_OK || closed != SQLITE_OK) {
        unlink(temp.c_str());
        return RegistryStore::ErrorFrom(rc != SQLITE_OK ? rc : closed, RegistryStore::Access::Write);
    }
    int moved = renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    if (moved != 0 && errno != EEXIST) {
        // File systems without RENAME_NOREPLACE: link() also refuses to replace.
        moved = link(temp.c_str(), path.c_str());
        int error = errno;
        unlink(temp.c_str());
        if (moved != 0 && error != EEXIST)
            return ErrnoError(error);
    } else if (moved != 0) {
        unlink(temp.c_str()); // another copy of the program made it first: use theirs
    }
    return ERROR_SUCCESS;
}

// Plays back the journal a dead writer left, on a file whose header is ours.
LONG RollBack(const std::string& path)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        std::int64_t count = 0;
        QueryInt(db, "SELECT count(*) FROM sqlite_master", count);
        rc = sqlite3_extended_errcode(db);
    }
    sqlite3_close(db);
    return rc == SQLITE_OK ? ERROR_SUCCESS : RegistryStore::ErrorFrom(rc, RegistryStore::Access::Read);
}

LONG Connect(const std::string& path, const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        return ERROR_CANTOPEN;
    bool ours = false, needsRollback = false;
    LONG result = CheckHeader(path, &ours);
    if (result == ERROR_SUCCESS)
        result = Verify(path, &needsRollback);
    if (result != ERROR_SUCCESS && needsRollback && ours && RollBack(path) == ERROR_SUCCESS)
        result = Verify(path, &needsRollback);
    if (result != ERROR_SUCCESS)
        return result;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        // FULL sync: a commit that returned survives a crash or power loss.
        rc = sqlite3_exec(db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK && !sqlite3_db_readonly(db, "main")) {
        // Hives made by earlier versions kept commits in a write-ahead log
        // beside the file: switch them to the rollback journal. That fails
        // while another copy has the hive open; each write is then
        // checkpointed into the file instead.
        sqlite3_exec(db, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return RegistryStore::ErrorFrom(rc, RegistryStore::Access::Read);
    }
    g_connection.db = db;
    g_connection.path = path;
    g_connection.dev = st.st_dev;
    g_connection.ino = st.st_ino;
    g_connection.pid = getpid();
    return ERROR_SUCCESS;
}

// Whether a write can succeed: the file and its folder (where the journal
// goes) must both be writable.
bool Writable(sqlite3* db, const std::string& path)
{
    return !sqlite3_db_readonly(db, "main") &&
        access(std::filesystem::path(path).parent_path().c_str(), W_OK | X_OK) == 0;
}

// Runs a read on an empty hive in memory: reading never makes a file.
LONG RunOnEmptyHive(const RegistryStore::Body& body)
{
    sqlite3* db = nullptr;
    LONG result = ERROR_OUTOFMEMORY;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK)
        result = body(db);
    sqlite3_close(db);
    return result;
}

// Makes g_connection a connection to the current hive, creating the hive when
// no file exists at its path and the call writes; sets missing instead when
// it only reads. Caller holds g_mutex.
LONG Acquire(RegistryStore::Access access, bool& missing)
{
    std::string path = RegistryStore::Path();
    struct stat st = {};
    bool exists = stat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return ErrnoError(errno);
    missing = !exists && access == RegistryStore::Access::Read;
    if (missing)
        return ERROR_SUCCESS;
    if (g_connection.db && exists && g_connection.path == path && g_connection.dev == st.st_dev &&
        g_connection.ino == st.st_ino && g_connection.pid == getpid())
        return ERROR_SUCCESS;
    g_connection.Drop();
    if (!exists) {
        LONG created = Create(path);
        if (created != ERROR_SUCCESS)
            return created;
        if (stat(path.c_str(), &st) != 0)
            return ErrnoError(errno);
    }
    return Connect(path, st);
}

} // namespace

std::string RegistryStore::Path()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* user = getpwuid(getuid());
            home = user ? user->pw_dir : "/";
        }
        base = std::string(home) + "/.config";
    }
    return base + "/quillet/registry.sqlite3";
}

LONG RegistryStore::ErrorFrom(int sqliteResult, Access access)
{
    switch (sqliteResult & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return ERROR_SUCCESS;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
        return ERROR_BADDB;
    case SQLITE_CANTOPEN:
        return ERROR_CANTOPEN;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH:
        return ERROR_ACCESS_DENIED;
    case SQLITE_FULL:
        return ERROR_DISK_FULL;
    case SQLITE_NOMEM:
        return ERROR_OUTOFMEMORY;
    default:
        return access == Access::Write ? ERROR_CANTWRITE : ERROR_CANTREAD;
    }
}

LONG RegistryStore::Run(Access access, const Body& body)
{
    std::lock_guard lock(g_mutex);
    if (g_inBatch)
        return body(g_connection.db);
    bool missing = false;
    LONG result = Acquire(access, missing);
    if (result != ERROR_SUCCESS)
        return result;
    if (missing)
        return RunOnEmptyHive(body);
    sqlite3* db = g_connection.db;
    // A store that can be read but not written answers reads as usual.
    if (access == Access::Write && !Writable(db, g_connection.path))
        return ERROR_ACCESS_DENIED;
    // IMMEDIATE takes the write lock up front, where the busy timeout applies;
    // upgrading a read transaction later could fail at once instead.
    int rc = sqlite3_exec(db, access == Access::Write ? "BEGIN IMMEDIATE" : "BEGIN", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return ErrorFrom(rc, access);
    result = body(db);
    if (result == ERROR_SUCCESS) {
        rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            result = ErrorFrom(rc, access);
        else if (access == Access::Write)
            // Only does something on a hive still in write-ahead mode: moves the commit into the file.
            sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    }
    if (sqlite3_get_autocommit(db) == 0)
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (result == ERROR_BADDB)
        g_connection.Drop();
    return result;
}

LONG RegistryStore::RunBatch(const std::function<LONG()>& body)
{
    std::lock_guard lock(g_mutex);
    if (g_inBatch)
        return body();
    LONG result = Run(Access::Write, [&](sqlite3*) {
        g_inBatch = true;
        LONG inner = body();
        g_inBatch = false;
        return inner;
    });
    g_inBatch = false;
    return result;
}
