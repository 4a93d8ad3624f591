// Helper programs of the registry tests, run with standard input from
// /dev/null: to completion with captured output, or as a writer whose
// acknowledgements are read line by line until the test kills it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();

    // The next line of standard output; false at its end.
    bool ReadLine(std::string& line);
    void Kill();
    // Exit code, or -signal when killed.
    int Wait();
    std::string Errors() const; // standard error, complete after Wait

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
    std::string m_pending;
};

struct ProcessResult {
    int exitCode = -1;
    std::string out, err;
};

ProcessResult RunProcess(const std::vector<std::string>& argv);
std::string BinPath(const std::string& program);
