// The hive file: finds it, creates it atomically, refuses files that are not
// ours, and runs each registry call as one transaction on a connection that
// is kept open while the file stays the same.
#pragma once

#include <sqlite3.h>

#include <functional>
#include <string>

#include "platform/types.h"

class RegistryStore {
public:
    enum class Access { Read, Write };
    using Body = std::function<LONG(sqlite3*)>;

    // The hive path for the current environment.
    static std::string Path();

    // Runs body in one transaction and commits when it returns ERROR_SUCCESS;
    // a store that cannot be opened gives its error code without running body.
    static LONG Run(Access access, const Body& body);

    // Runs body, whose registry calls all join one write transaction: it is
    // committed when body returns ERROR_SUCCESS and rolled back otherwise.
    static LONG RunBatch(const std::function<LONG()>& body);

    // Maps an SQLite result to the registry error code of that failure.
    static LONG ErrorFrom(int sqliteResult, Access access);
};
