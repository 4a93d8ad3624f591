#include "tools/quillet-skin/EntryText.h"

#include <algorithm>
#include <limits>

namespace {

constexpr size_t kProgramGap = 4;

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Reads over one line of the text.
class LineReader {
public:
    LineReader(std::u16string_view text, size_t pos) : m_text(text), m_pos(pos)
    {
        const size_t end = text.find(u'\n', pos);
        m_end = end == std::u16string_view::npos ? text.size() : end;
        if (m_end > pos && text[m_end - 1] == u'\r')
            --m_end;
    }

    void SkipBlanks()
    {
        while (m_pos < m_end && IsBlank(m_text[m_pos]))
            ++m_pos;
    }
    bool Take(char16_t c)
    {
        SkipBlanks();
        if (m_pos >= m_end || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    // A decimal integer with an optional sign, held within a long long.
    std::optional<long long> Number()
    {
        SkipBlanks();
        const bool negative = m_pos < m_end && m_text[m_pos] == u'-';
        if (m_pos < m_end && (m_text[m_pos] == u'-' || m_text[m_pos] == u'+'))
            ++m_pos;
        if (m_pos >= m_end || !IsDigit(m_text[m_pos]))
            return std::nullopt;
        constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
        long long value = 0;
        while (m_pos < m_end && IsDigit(m_text[m_pos])) {
            value = std::min(kMax, value * 10 + (m_text[m_pos] - u'0'));
            ++m_pos;
        }
        return negative ? -value : value;
    }
    // Characters up to a blank, ")" or ";".
    std::u16string Word()
    {
        SkipBlanks();
        const size_t from = m_pos;
        while (m_pos < m_end && !IsBlank(m_text[m_pos]) && m_text[m_pos] != u')' && m_text[m_pos] != u';')
            ++m_pos;
        return std::u16string(m_text.substr(from, m_pos - from));
    }
    // The character right here, blanks not skipped.
    bool TakeAtOnce(char16_t c)
    {
        if (m_pos >= m_end || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

private:
    std::u16string_view m_text;
    size_t m_pos;
    size_t m_end;
};

// "= (" in any spacing, with the "(" optional.
bool ReadOpening(LineReader& reader)
{
    if (!reader.Take(u'='))
        return false;
    reader.Take(u'(');
    return true;
}

void ReadClosing(LineReader& reader, WrittenEntry& entry)
{
    entry.valueRunsIntoSemicolon = reader.TakeAtOnce(u';');
    if (!entry.valueRunsIntoSemicolon)
        reader.Take(u')');
    entry.semicolon = entry.valueRunsIntoSemicolon || reader.Take(u';');
}

std::u16string GapAfter(std::u16string_view text, size_t nAfterKey)
{
    return std::u16string(text.substr(std::min(nAfterKey, text.size()), kProgramGap));
}

// "= (", what readValue takes, then ")" and ";" as they stand.
template <typename ReadValue>
std::optional<WrittenEntry> ReadEntry(std::u16string_view text, size_t nAfterKey, ReadValue readValue)
{
    if (nAfterKey > text.size())
        return std::nullopt;
    LineReader reader(text, nAfterKey);
    WrittenEntry entry;
    if (!ReadOpening(reader) || !readValue(reader, entry))
        return std::nullopt;
    ReadClosing(reader, entry);
    entry.gap = GapAfter(text, nAfterKey);
    return entry;
}

} // namespace

std::optional<WrittenEntry> ReadWrittenColour(std::u16string_view text, size_t nAfterKey)
{
    return ReadEntry(text, nAfterKey, [](LineReader& reader, WrittenEntry& entry) {
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !reader.Take(u','))
                return false;
            const std::optional<long long> value = reader.Number();
            if (!value)
                return false;
            entry.values[i] = *value;
        }
        return true;
    });
}

std::optional<WrittenEntry> ReadWrittenType(std::u16string_view text, size_t nAfterKey)
{
    return ReadEntry(text, nAfterKey, [](LineReader& reader, WrittenEntry& entry) {
        entry.type = reader.Word();
        return !entry.type.empty();
    });
}

int LineNumberAt(std::u16string_view text, size_t pos)
{
    pos = std::min(pos, text.size());
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(pos), u'\n'));
}

std::u16string_view LineAt(std::u16string_view text, size_t pos)
{
    pos = std::min(pos, text.size());
    const size_t newline = pos == 0 ? std::u16string_view::npos : text.rfind(u'\n', pos - 1);
    const size_t from = newline == std::u16string_view::npos ? 0 : newline + 1;
    size_t to = text.find(u'\n', pos);
    if (to == std::u16string_view::npos)
        to = text.size();
    if (to > from && text[to - 1] == u'\r')
        --to;
    return text.substr(from, to - from);
}

bool IsCommentLine(std::u16string_view line)
{
    const size_t first = line.find_first_not_of(u" \t");
    return first != std::u16string_view::npos && (line[first] == u';' || line[first] == u'#');
}

bool IsWordCharacter(char16_t c)
{
    return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}

std::string Narrow(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text)
        out += c < 0x80 ? char(c) : '?';
    return out;
}
