// The .reg text format: "Windows Registry Editor Version 5.00", then one
// [KEY] block per key with its value lines. Written as UTF-8; read as UTF-8
// or UTF-16LE (the form Windows writes), with or without a byte-order mark.
#pragma once

#include <ostream>
#include <string>

#include "tools/quillet-reg/KeyPath.h"

// Writes the key, its values and all keys below it.
LONG ExportKey(const KeyPath& key, std::ostream& out);
// Writes a file that holds no key: it imports as no change.
void WriteEmptyRegFile(std::ostream& out);

// Checks a .reg file without touching the hive: the number of changes it
// asks for, or none with problem set ("line N: why").
size_t CheckRegFile(const std::string& bytes, std::string& problem);

// Applies a .reg file: [KEY] creates, [-KEY] deletes a tree, "name"=- deletes
// a value. The whole file is checked first: a malformed line sets problem
// ("line N: why") and nothing is applied. Then every change is made in one
// transaction, so a failure part-way leaves the hive as it was.
LONG ImportRegFile(const std::string& bytes, std::string& problem);
