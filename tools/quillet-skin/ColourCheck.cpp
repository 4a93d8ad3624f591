#include "tools/quillet-skin/ColourCheck.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

#include "skin/SkinColourFile.h"
#include "tools/quillet-skin/EntryText.h"

namespace {

constexpr char16_t kTypeKey[] = u"SkinType";
constexpr std::u16string_view kCanonicalGap = u" = (";
constexpr std::u16string_view kKnownTypes[] = {u".png", u".bmp", u".jpg"};
// How much of the text after the skipped characters a message quotes.
constexpr size_t kQuoted = 12;

std::string Quote(std::u16string_view text)
{
    std::string out = "\"";
    for (const char c : Narrow(text))
        out += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
    return out + "\"";
}

std::string ColourText(COLORREF clr)
{
    char text[40];
    std::snprintf(text, sizeof text, "%d,%d,%d (#%02X%02X%02X)", GetRValue(clr), GetGValue(clr), GetBValue(clr),
        GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return text;
}

std::string WrittenText(const long long (&values)[3])
{
    return std::to_string(values[0]) + "," + std::to_string(values[1]) + "," + std::to_string(values[2]);
}

std::vector<size_t> Occurrences(std::u16string_view text, std::u16string_view key)
{
    std::vector<size_t> found;
    for (size_t pos = text.find(key); pos != std::u16string_view::npos; pos = text.find(key, pos + 1))
        found.push_back(pos);
    return found;
}

bool InsideWord(std::u16string_view text, size_t pos, size_t length)
{
    return (pos > 0 && IsWordCharacter(text[pos - 1])) ||
        (pos + length < text.size() && IsWordCharacter(text[pos + length]));
}

char16_t Lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

std::string Join(const std::vector<std::string>& parts)
{
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : "; ") + part;
    return out;
}

// The key a misspelt word most likely means: within two edits, case aside.
std::string Suggestion(std::u16string_view word, const std::vector<std::u16string_view>& keys)
{
    for (std::u16string_view key : keys) {
        std::vector<size_t> row(key.size() + 1), next(key.size() + 1);
        for (size_t j = 0; j <= key.size(); ++j)
            row[j] = j;
        for (size_t i = 1; i <= word.size(); ++i) {
            next[0] = i;
            for (size_t j = 1; j <= key.size(); ++j)
                next[j] = std::min(
                    {row[j] + 1, next[j - 1] + 1, row[j - 1] + (Lower(word[i - 1]) == Lower(key[j - 1]) ? 0 : 1)});
            std::swap(row, next);
        }
        if (row[key.size()] <= 2)
            return " (did you mean " + Narrow(key) + "?)";
    }
    return "";
}

class EntryChecker {
public:
    EntryChecker(const std::string& file, const CString& text) : m_file(file), m_strText(text), m_text(m_strText.str())
    {
    }

    Finding At(Severity severity, const char* kind, size_t pos, std::string message) const
    {
        Finding f;
        f.severity = severity;
        f.kind = kind;
        f.file = m_file;
        f.line = LineNumberAt(m_text, pos);
        f.message = std::move(message);
        return f;
    }

    // Where the first occurrence of a key stands, which is where the program
    // reads it, and every later one that looks like an entry, which it never reads.
    void CheckPlacement(std::u16string_view key, std::vector<Finding>& out) const
    {
        const std::vector<size_t> found = Occurrences(m_text, key);
        if (found.empty())
            return;
        const std::string name = Narrow(key);
        const size_t first = found.front();
        const bool firstInComment = IsCommentLine(LineAt(m_text, first));
        if (firstInComment)
            out.push_back(At(Severity::Warning, "key-in-comment", first,
                name + " is read from this comment line: the program knows no comments"));
        if (InsideWord(m_text, first, key.size())) {
            size_t from = first, to = first + key.size();
            while (from > 0 && IsWordCharacter(m_text[from - 1]))
                --from;
            while (to < m_text.size() && IsWordCharacter(m_text[to]))
                ++to;
            out.push_back(At(Severity::Warning, "key-in-word", first,
                name + " is read from inside " + Quote(m_text.substr(from, to - from)) +
                    ": the program finds the key anywhere, even inside a longer word"));
        }
        const std::string where = std::string(firstInComment ? "in the comment on line " : "on line ") +
            std::to_string(LineNumberAt(m_text, first));
        for (size_t i = 1; i < found.size(); ++i) {
            if (InsideWord(m_text, found[i], key.size()) || IsCommentLine(LineAt(m_text, found[i])))
                continue;
            out.push_back(At(Severity::Warning, "duplicate-key", found[i],
                name + " is given again here and never read: only its first occurrence, " + where + ", counts"));
        }
    }

    Finding CheckColour(const SkinColourKey& colour, bool fileExplainsAbsence) const
    {
        const std::u16string_view key(colour.lpszKey);
        const std::string name = Narrow(key);
        COLORREF clr = colour.clrDefault;
        const int result = ReadSkinColour(m_strText, colour.lpszKey, clr);
        const size_t pos = m_text.find(key);
        Finding f;
        if (result == 1) {
            f = At(fileExplainsAbsence ? Severity::Note : Severity::Warning, "colour", 0,
                name + " is not set: the built-in " + ColourText(clr) + " is used");
            f.line = 0;
            f.quirks = {"not-set"};
        } else if (result != 0) {
            static constexpr const char* kMissing[] = {"", "", "no \",\" follows the red value",
                "no second \",\" follows the green value", "no \";\" follows the entry anywhere in the file"};
            f = At(Severity::Warning, "colour", pos,
                name + " keeps the built-in " + ColourText(clr) + ": " + kMissing[result]);
            f.quirks = {"no-separator"};
        } else {
            f = Compare(name, pos + key.size(), clr);
        }
        f.key = name;
        f.colour = clr;
        return f;
    }

    Finding CheckType(bool fileExplainsAbsence, CString& strType, int& nLine) const
    {
        strType = SKIN_DEFAULT_IMAGE_TYPE;
        const int result = ReadSkinImageType(m_strText, strType);
        const std::string type = Narrow(strType.str());
        Finding f;
        if (result != 0) {
            f = At(fileExplainsAbsence ? Severity::Note : Severity::Warning, "image-type", 0,
                "SkinType is not set: the pictures are read as " + type);
            f.line = 0;
            f.quirks = {"not-set"};
        } else {
            const size_t pos = m_text.find(kTypeKey);
            const size_t after = pos + std::size(kTypeKey) - 1;
            f = At(Severity::Note, "image-type", pos, "SkinType is " + type);
            nLine = f.line;
            const std::optional<WrittenEntry> written = ReadWrittenType(m_text, after);
            if (!written) {
                f.severity = Severity::Warning;
                f.message = "SkinType is read as " + type + " from text that is not written as SkinType = (.png);";
                f.quirks = {"not-an-entry"};
            } else if (written->type != strType.str()) {
                f.severity = Severity::Warning;
                std::vector<std::string> why;
                if (written->gap != kCanonicalGap) {
                    f.quirks.push_back("gap");
                    why.push_back(GapText(after, "the type is read from"));
                }
                std::u16string lower = written->type;
                std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
                const bool known = std::find(std::begin(kKnownTypes), std::end(kKnownTypes), lower) !=
                    std::end(kKnownTypes);
                if (known && lower != written->type) {
                    f.quirks.push_back("case");
                    why.push_back(
                        "the type is compared with its case: " + Narrow(written->type) + " is not " + Narrow(lower));
                } else if (!known) {
                    f.quirks.push_back("unknown-type");
                    why.push_back("only .png, .bmp and .jpg are known, written exactly so; anything else means .png");
                }
                f.message = "SkinType is " + type + ", not " + Narrow(written->type) + " as written: " + Join(why);
            }
        }
        f.key = "SkinType";
        f.imageType = type;
        return f;
    }

    // Lines of the form "Word = ..." whose word is none of the keys; a known
    // key inside the word is reported where it is read.
    void CheckUnknownKeys(const std::vector<std::u16string_view>& keys, std::vector<Finding>& out) const
    {
        for (size_t from = 0; from < m_text.size();) {
            const std::u16string_view line = LineAt(m_text, from);
            const size_t first = line.find_first_not_of(u" \t");
            size_t end = first;
            while (end < line.size() && IsWordCharacter(line[end]))
                ++end;
            const size_t equals = end < line.size() ? line.find_first_not_of(u" \t", end) : end;
            if (first != end && !IsCommentLine(line) && equals < line.size() && line[equals] == u'=') {
                const std::u16string_view word = line.substr(first, end - first);
                const bool holdsKey = std::any_of(
                    keys.begin(), keys.end(), [&](std::u16string_view k) { return word.find(k) != word.npos; });
                if (!holdsKey)
                    out.push_back(At(Severity::Warning, "unknown-key", from,
                        "unknown key " + Quote(word) + ", which the program ignores" + Suggestion(word, keys)));
            }
            const size_t newline = m_text.find(u'\n', from);
            from = newline == std::u16string_view::npos ? m_text.size() : newline + 1;
        }
    }

private:
    // The colour as read against the entry as written.
    Finding Compare(const std::string& name, size_t after, COLORREF clr) const
    {
        const size_t pos = after - name.size();
        const std::optional<WrittenEntry> written = ReadWrittenColour(m_text, after);
        if (!written) {
            Finding f = At(Severity::Warning, "colour", pos,
                name + " is read as " + ColourText(clr) + " from text that is not written as " + name + " = (R,G,B);");
            f.quirks = {"not-an-entry"};
            return f;
        }
        const BYTE read[3] = {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
        bool same = true;
        for (int i = 0; i < 3; ++i)
            same = same && written->values[i] == read[i];
        if (same)
            return At(Severity::Note, "colour", pos, name + " is " + ColourText(clr));

        Finding f = At(Severity::Warning, "colour", pos,
            name + " is " + ColourText(clr) + ", not " + WrittenText(written->values) + " as written: ");
        std::vector<std::string> why;
        if (written->gap != kCanonicalGap) {
            f.quirks.push_back("gap");
            why.push_back(GapText(after, "the values are read from"));
        }
        if (written->valueRunsIntoSemicolon) {
            f.quirks.push_back("no-bracket");
            why.push_back("the character before \";\" is dropped whatever it is, and without \")\" that is the last "
                          "digit of blue");
        }
        std::string outside;
        for (int i = 0; i < 3; ++i)
            if (written->values[i] < 0 || written->values[i] > 255)
                outside += (outside.empty() ? "" : ", ") + std::to_string(written->values[i]) + " reads as " +
                    std::to_string(read[i]);
        if (!outside.empty()) {
            f.quirks.push_back("low-bits");
            why.push_back("only the low 8 bits of a value count (" + outside + ")");
        }
        if (!written->semicolon) {
            f.quirks.push_back("no-semicolon");
            const size_t semicolon = m_text.find(u';', after);
            why.push_back("no \";\" ends the entry on its line, so blue is read up to the next one, on line " +
                std::to_string(LineNumberAt(m_text, semicolon)));
        }
        if (why.empty())
            why.push_back("the program reads the values at fixed distances from the key");
        f.message += Join(why);
        return f;
    }

    std::string GapText(size_t after, const char* what) const
    {
        return "the four characters after the key are skipped whatever they are; here they are " +
            Quote(Slice(after, 4)) + ", so " + what + " " + Quote(Slice(after + 4, kQuoted));
    }

    // Up to n characters from a position, none past the end.
    std::u16string_view Slice(size_t from, size_t n) const
    {
        return from < m_text.size() ? m_text.substr(from, n) : std::u16string_view();
    }

    std::string m_file;
    CString m_strText;
    std::u16string_view m_text;
};

} // namespace

ColourFileReading CheckColourEntries(const std::string& file, const CString& text, bool fileExplainsAbsence)
{
    const EntryChecker checker(file, text);
    ColourFileReading reading;
    std::vector<std::u16string_view> keys{kTypeKey};
    reading.findings.push_back(checker.CheckType(fileExplainsAbsence, reading.imageType, reading.typeLine));
    checker.CheckPlacement(kTypeKey, reading.findings);
    for (const SkinColourKey& colour : SKIN_COLOURS) {
        keys.emplace_back(colour.lpszKey);
        reading.findings.push_back(checker.CheckColour(colour, fileExplainsAbsence));
        checker.CheckPlacement(colour.lpszKey, reading.findings);
    }
    checker.CheckUnknownKeys(keys, reading.findings);
    // In the order of the file, the file's own findings first.
    std::stable_sort(reading.findings.begin(), reading.findings.end(),
        [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return reading;
}
