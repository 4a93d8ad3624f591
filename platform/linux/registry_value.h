// How value data sits in the hive: well-formed strings as text and 4-byte
// DWORDs as integers, so the file reads plainly in any SQLite browser; every
// other value keeps its exact bytes as a blob.
#pragma once

#include <vector>

#include "platform/linux/sql_statement.h"
#include "platform/types.h"

void BindValueData(SqlStatement& statement, int index, DWORD type, const std::vector<BYTE>& bytes);
std::vector<BYTE> ColumnValueData(const SqlStatement& statement, int column);
