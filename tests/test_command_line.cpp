// The program's own arguments: --help and --version answer and exit before
// any window exists; anything else is refused with a usage line.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "test_reg_process.h"

namespace {

struct Case {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    const char* out; // expected at the start of standard output
    const char* err; // expected at the start of standard error
};

const Case kCases[] = {
    {"HelpPrintsUsageAndOptions", {"--help"}, 0, "Usage: quillet [--help | --version]\n", ""},
    {"VersionPrintsTheProjectVersion", {"--version"}, 0, "quillet " QUILLET_VERSION "\n", ""},
    {"UnknownOptionIsRefused", {"--verbose"}, 2, "", "quillet: unexpected argument '--verbose'\nusage: quillet"},
    {"FileArgumentIsRefused", {"notes.txt"}, 2, "", "quillet: unexpected argument 'notes.txt'\n"},
    {"ToolkitOptionIsRefused", {"-platform", "offscreen"}, 2, "", "quillet: unexpected argument '-platform'\n"},
    {"HelpWithMoreIsRefused", {"--help", "--version"}, 2, "", "quillet: unexpected argument '--version'\n"},
    {"EmptyArgumentIsRefused", {""}, 2, "", "quillet: unexpected argument ''\n"},
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLine : public testing::TestWithParam<Case> { };

TEST_P(CommandLine, AnswersWithoutAWindow)
{
    const Case& c = GetParam();
    // A platform that does not exist: had the toolkit started, the program
    // would abort instead of answering. Nor may it save a snapshot.
    const std::string shots = testing::TempDir() + "quillet-command-line-shots";
    std::filesystem::remove_all(shots);
    setenv("QT_QPA_PLATFORM", "no-such-platform", 1);
    setenv("QUILLET_SNAPSHOT", shots.c_str(), 1);
    std::vector<std::string> argv{BinPath("quillet")};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const ProcessResult r = RunProcess(argv);

    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_TRUE(r.out.starts_with(c.out)) << r.out;
    EXPECT_TRUE(r.err.starts_with(c.err)) << r.err;
    if (c.exitCode == 0)
        EXPECT_EQ(r.err, "");
    else
        EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(shots));
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLine, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
