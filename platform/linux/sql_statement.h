// A prepared SQLite statement that finalizes itself.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string_view>
#include <vector>

class SqlStatement {
public:
    SqlStatement(sqlite3* db, const char* sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // Parameters are numbered from 1, as SQLite counts them.
    SqlStatement& Bind(int index, std::int64_t value);
    SqlStatement& Bind(int index, std::string_view text);
    SqlStatement& BindBlob(int index, const std::vector<unsigned char>& bytes);

    // SQLITE_ROW, SQLITE_DONE or an error; a failed prepare is reported here.
    int Step();

    std::int64_t Int(int column) const;
    std::string_view Text(int column) const;
    int Type(int column) const;
    std::vector<unsigned char> Blob(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_prepareResult;
};
