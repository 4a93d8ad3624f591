// A child of the test under a name no other process has: a copy of sleep in
// a temporary folder, so that ending processes by that name ends only it.
#pragma once

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <string>

class NamedChild {
public:
    // A name unique to this test run: the tag and the test's process id.
    static std::string UniqueName(const std::string& tag) { return "qt-" + tag + "-" + std::to_string(::getpid()); }

    explicit NamedChild(const std::string& name, bool bIgnoreTerm = false)
        : m_program(m_dir.path().toStdString() + "/" + name)
    {
        std::filesystem::copy_file("/bin/sleep", m_program);
        char* argv[] = {m_program.data(), const_cast<char*>("60"), nullptr};
        // An ignored signal stays ignored across exec.
        const auto previous = std::signal(SIGTERM, bIgnoreTerm ? SIG_IGN : SIG_DFL);
        EXPECT_EQ(posix_spawn(&m_pid, m_program.c_str(), nullptr, nullptr, argv, environ), 0);
        std::signal(SIGTERM, previous);
    }
    ~NamedChild()
    {
        if (!m_reaped)
            Reap(SIGKILL);
    }
    NamedChild(const NamedChild&) = delete;
    NamedChild& operator=(const NamedChild&) = delete;

    pid_t Pid() const { return m_pid; }
    // Still running: it has not ended (whether or not it is reaped).
    bool Running() const
    {
        siginfo_t info{};
        return !m_reaped && ::waitid(P_PID, id_t(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
    }

    // Waits for it to end, after sending the signal if one is given; the
    // signal that ended it, or 0.
    int Reap(int signal = 0)
    {
        if (signal)
            ::kill(m_pid, signal);
        int status = 0;
        m_reaped = ::waitpid(m_pid, &status, 0) == m_pid;
        return m_reaped && WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }

private:
    QTemporaryDir m_dir;
    std::string m_program;
    pid_t m_pid = 0;
    bool m_reaped = false;
};
