// The .reg text format: "Windows Registry Editor Version 5.00", then one
// [KEY] block per key with its value lines. Written as UTF-8; read as UTF-8
// or UTF-16LE (the form Windows writes), with or without a byte-order mark.
#pragma once

#include <ostream>
#include <string>

#include "tools/quillet-reg/KeyPath.h"

// Writes the key, its values and all keys below it.
LONG ExportKey(const KeyPath& key, std::ostream& out);

// Applies a .reg file: [KEY] creates, [-KEY] deletes a tree, "name"=- deletes
// a value. A malformed file sets problem ("line N: why") and stops there;
// what came before it stays applied.
LONG ImportRegFile(const std::string& bytes, std::string& problem);
