#include "platform/linux/sql_statement.h"

SqlStatement::SqlStatement(sqlite3* db, const char* sql)
    : m_prepareResult(sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr))
{
}

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(m_stmt);
}

SqlStatement& SqlStatement::Bind(int index, std::int64_t value)
{
    if (m_stmt)
        sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

SqlStatement& SqlStatement::Bind(int index, std::string_view text)
{
    if (m_stmt)
        sqlite3_bind_text(m_stmt, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
    return *this;
}

SqlStatement& SqlStatement::BindBlob(int index, const std::vector<unsigned char>& bytes)
{
    // A zero-length blob must stay a blob, not become NULL.
    if (m_stmt)
        sqlite3_bind_blob(m_stmt, index, bytes.empty() ? "" : static_cast<const void*>(bytes.data()), int(bytes.size()),
            SQLITE_TRANSIENT);
    return *this;
}

int SqlStatement::Step()
{
    if (m_prepareResult != SQLITE_OK)
        return m_prepareResult;
    return sqlite3_step(m_stmt);
}

std::int64_t SqlStatement::Int(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

std::string_view SqlStatement::Text(int column) const
{
    auto text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(m_stmt, column))) : std::string_view();
}

int SqlStatement::Type(int column) const
{
    return sqlite3_column_type(m_stmt, column);
}

std::vector<unsigned char> SqlStatement::Blob(int column) const
{
    auto data = static_cast<const unsigned char*>(sqlite3_column_blob(m_stmt, column));
    return std::vector<unsigned char>(data, data + sqlite3_column_bytes(m_stmt, column));
}
