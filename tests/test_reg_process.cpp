#include "test_reg_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

ChildProcess::ChildProcess(const std::vector<std::string>& argv)
{
    char errName[] = "/tmp/quillet-reg-err-XXXXXX";
    int fds[2];
    if ((m_err = mkstemp(errName)) < 0 || pipe2(fds, O_CLOEXEC) != 0)
        return;
    unlink(errName);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, m_err, 2);
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    if (posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    m_out = fds[0];
}

ChildProcess::~ChildProcess()
{
    Kill();
    Wait();
    close(m_out);
    close(m_err);
}

bool ChildProcess::ReadLine(std::string& line)
{
    for (size_t end; (end = m_pending.find('\n')) == std::string::npos;) {
        char chunk[512];
        ssize_t got = read(m_out, chunk, sizeof chunk);
        if (got <= 0)
            return false; // the child and its output are gone
        m_pending.append(chunk, size_t(got));
    }
    size_t end = m_pending.find('\n');
    line = m_pending.substr(0, end);
    m_pending.erase(0, end + 1);
    return true;
}

void ChildProcess::Kill()
{
    if (m_pid > 0)
        kill(m_pid, SIGKILL);
}

int ChildProcess::Wait()
{
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, 0) != m_pid)
        return -1;
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

std::string ChildProcess::Errors() const
{
    std::string text(size_t(lseek(m_err, 0, SEEK_END)), '\0');
    return pread(m_err, text.data(), text.size(), 0) == ssize_t(text.size()) ? text : std::string();
}

ProcessResult RunProcess(const std::vector<std::string>& argv)
{
    ChildProcess child(argv);
    ProcessResult result;
    for (std::string line; child.ReadLine(line);)
        result.out += line + "\n";
    result.exitCode = child.Wait();
    result.err = child.Errors();
    return result;
}

std::string BinPath(const std::string& program)
{
    return std::string(QUILLET_BIN_DIR) + "/" + program;
}
