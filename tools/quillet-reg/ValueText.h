// Value data as text: the columns of "query", the /t and /d of "add", and
// the value lines of .reg files ("name"="text", dword:0000000f, hex(N):..).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/quillet-reg/KeyContents.h"

std::string TypeName(DWORD type);
std::optional<DWORD> TypeFromName(const std::string& name);

// How "query" shows the data: text, 0x-hexadecimal numbers, hex bytes. A
// byte of a file name that is not UTF-8 shows as \xNN (and a backslash that
// would read as one as \x5c); "add /d" and .reg strings take that form back.
std::string DisplayData(const RegValue& value);
// The data that "add /t TYPE /d TEXT" stores; nullopt when TEXT does not fit TYPE.
std::optional<std::vector<BYTE>> DataFromText(DWORD type, const std::string& text);

// One .reg line, name=data, without line feed.
std::string RegFileLine(const RegValue& value);
// Parses name=data; sets remove for name=- . Returns an error text or "".
std::string ParseRegFileLine(const std::string& line, RegValue& value, bool& remove);
