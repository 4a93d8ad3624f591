// The pure side of the process snapshot: /proc/PID/stat and the name rule.
#include <charconv>
#include <vector>

#include "platform/text.h"
#include "platform/toolhelp.h"

namespace {

constexpr std::size_t kShortNameLength = 15; // the kernel's TASK_COMM_LEN - 1
constexpr std::string_view kDeletedSuffix = " (deleted)";
// A program run from memory (memfd_create, then exec) has no file: its link
// names the memory's label, which its maker chose freely.
constexpr std::string_view kMemoryFilePrefix = "/memfd:";

template <typename T> bool ParseUnsigned(std::string_view text, T& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Names come from anyone: control characters would break the list's lines.
std::u16string Displayable(std::string_view name)
{
    std::u16string text = Utf8ToUtf16(name);
    for (char16_t& c : text)
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            c = u'\uFFFD';
    return text;
}

} // namespace

std::optional<ProcessStat> ParseProcessStat(std::string_view text)
{
    const std::size_t open = text.find(" (");
    const std::size_t close = text.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + 2)
        return std::nullopt;
    ProcessStat stat{};
    if (!ParseUnsigned(text.substr(0, open), stat.pid))
        return std::nullopt;
    stat.comm = std::string(text.substr(open + 2, close - open - 2));

    // Fields 3 onwards, after the name: state, ppid, ... flags (9th), ...
    // starttime (22nd).
    std::vector<std::string_view> fields;
    std::string_view rest = text.substr(close + 1);
    while (fields.size() < 20) {
        const std::size_t first = rest.find_first_not_of(" \n");
        if (first == std::string_view::npos)
            break;
        rest.remove_prefix(first);
        const std::size_t end = std::min(rest.find_first_of(" \n"), rest.size());
        fields.push_back(rest.substr(0, end));
        rest.remove_prefix(end);
    }
    if (fields.size() < 20 || fields[0].size() != 1 || !ParseUnsigned(fields[6], stat.flags) ||
        !ParseUnsigned(fields[19], stat.startTime))
        return std::nullopt;
    stat.state = fields[0][0];
    return stat;
}

std::u16string ProcessName(
    std::string_view comm, std::optional<std::string_view> exeLink, const std::function<std::string()>& readCommandLine)
{
    if (exeLink && !exeLink->starts_with(kMemoryFilePrefix)) {
        std::string_view path = *exeLink;
        if (path.ends_with(kDeletedSuffix))
            path.remove_suffix(kDeletedSuffix.size());
        const std::string_view file = FileNameOf(path);
        if (!file.empty() && file.starts_with(comm))
            return Displayable(file);
    }
    if (comm.size() == kShortNameLength && readCommandLine) {
        const std::string commandLine = readCommandLine();
        const std::string_view first = std::string_view(commandLine).substr(0, commandLine.find('\0'));
        const std::string_view file = FileNameOf(first);
        if (file.size() > comm.size() && file.starts_with(comm))
            return Displayable(file);
    }
    return Displayable(comm);
}
