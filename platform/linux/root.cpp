#include "platform/linux/root.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

bool UsingFixtureRoot()
{
    const char* root = std::getenv("QUILLET_ROOT");
    return root != nullptr && *root != '\0';
}

std::string SystemPath(std::string_view absolutePath)
{
    if (!UsingFixtureRoot())
        return std::string(absolutePath);
    std::string path(std::getenv("QUILLET_ROOT"));
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    path += absolutePath;
    return path;
}

std::optional<std::string> ReadSystemFile(std::string_view absolutePath, std::size_t maxBytes)
{
    // /proc and /sys files report a size of 0, so read until the end rather
    // than trusting stat.
    const int fd = ::open(SystemPath(absolutePath).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    bool failed = false;
    while (text.size() < maxBytes) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0)
            break;
        text.append(chunk, std::size_t(n));
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    if (text.size() > maxBytes)
        text.resize(maxBytes);
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
