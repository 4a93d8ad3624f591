// What an entry of the colour file seems to say to a person reading it. It is
// read leniently (blanks anywhere, brackets and ";" optional) so that the
// checker can tell where the program's fixed-distance reading parts from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct WrittenEntry {
    long long values[3] = {};            // a colour's red, green and blue as written, any size or sign
    std::u16string type;                 // SkinType's value as written, ".png"
    std::u16string gap;                  // the four characters right after the key, which the program skips
    bool valueRunsIntoSemicolon = false; // ";" right after the last value
    bool semicolon = false;              // ";" ends the entry on its line
};

// The entry whose key ends at nAfterKey; nullopt when its line does not hold
// "= (R,G,B)" (a colour) or "= (TYPE)" (the picture type) in any spacing.
std::optional<WrittenEntry> ReadWrittenColour(std::u16string_view text, size_t nAfterKey);
std::optional<WrittenEntry> ReadWrittenType(std::u16string_view text, size_t nAfterKey);

// 1-based number of the line that holds the position.
int LineNumberAt(std::u16string_view text, size_t pos);
// That line, without its line end.
std::u16string_view LineAt(std::u16string_view text, size_t pos);
// A line whose first character other than blanks is ";" or "#": a comment
// to a person, ordinary text to the program.
bool IsCommentLine(std::u16string_view line);
bool IsWordCharacter(char16_t c);

// ASCII text as UTF-8; other characters as "?" (keys, numbers and types are ASCII).
std::string Narrow(std::u16string_view text);
