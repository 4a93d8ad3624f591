// The programs' own arguments: --help and --version answer and exit before
// any window exists; anything else is refused with a usage line and exit
// code 2. Quillet without a display it can open says so in one line.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "test_reg_process.h"

namespace {

constexpr const char* kNoSession = ": Quillet needs a graphical session (or, for a picture of its screen, "
                                   "QUILLET_SNAPSHOT=DIR with QT_QPA_PLATFORM=offscreen)\n";

struct Case {
    const char* name;
    const char* program;
    std::vector<std::string> args; // "{skin}": the default skin beside the programs
    int exitCode;
    const char* out; // expected at the start of standard output
    std::string err; // expected at the start of standard error
    // The environment of the run; by default a platform that does not exist:
    // had the toolkit started, the program would fail instead of answering.
    std::vector<std::pair<const char*, const char*>> env = {{"QT_QPA_PLATFORM", "no-such-platform"}};
};

// No session at all: nor may the tools complain of one.
const std::vector<std::pair<const char*, const char*>> kNoDisplay = {
    {"QT_QPA_PLATFORM", nullptr}, {"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"XDG_RUNTIME_DIR", nullptr}};

const Case kCases[] = {
    {"HelpPrintsUsageAndOptions", "quillet", {"--help"}, 0, "Usage: quillet [--help | --version]\n", ""},
    {"VersionPrintsTheProjectVersion", "quillet", {"--version"}, 0, "quillet " QUILLET_VERSION "\n", ""},
    {"UnknownOptionIsRefused", "quillet", {"--verbose"}, 2, "",
        "quillet: unexpected argument '--verbose'\nusage: quillet"},
    {"FileArgumentIsRefused", "quillet", {"notes.txt"}, 2, "", "quillet: unexpected argument 'notes.txt'\n"},
    {"ToolkitOptionIsRefused", "quillet", {"-platform", "offscreen"}, 2, "",
        "quillet: unexpected argument '-platform'\n"},
    {"HelpWithMoreIsRefused", "quillet", {"--help", "--version"}, 2, "", "quillet: unexpected argument '--version'\n"},
    {"EmptyArgumentIsRefused", "quillet", {""}, 2, "", "quillet: unexpected argument ''\n"},
    {"UnreachableDisplayIsOneLineNotAnAbort", "quillet", {}, 1, "",
        std::string("quillet: cannot open the display ':97'") + kNoSession,
        {{"QT_QPA_PLATFORM", nullptr}, {"DISPLAY", ":97"}, {"WAYLAND_DISPLAY", nullptr}}},
    {"NoDisplayAtAllIsTheSameLine", "quillet", {}, 1, "",
        std::string("quillet: cannot open a display (DISPLAY and WAYLAND_DISPLAY are not set)") + kNoSession,
        kNoDisplay},
    {"RegVersion", "quillet-reg", {"--version"}, 0, "quillet-reg " QUILLET_VERSION "\n", ""},
    {"RegUsageErrorIsTwo", "quillet-reg", {"frobnicate"}, 2, "", "ERROR: Invalid syntax."},
    {"SkinVersion", "quillet-skin", {"--version"}, 0, "quillet-skin " QUILLET_VERSION "\n", ""},
    {"SkinUsageErrorIsTwo", "quillet-skin", {"frobnicate"}, 2, "", "quillet-skin: unknown command 'frobnicate'\n"},
    {"SkinCheckNeedsNoSession", "quillet-skin", {"check", "{skin}"}, 0, "", "", kNoDisplay},
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLine : public testing::TestWithParam<Case> { };

TEST_P(CommandLine, AnswersWithoutAWindow)
{
    const Case& c = GetParam();
    // Nor may it save a snapshot.
    const std::string shots = testing::TempDir() + "quillet-command-line-shots";
    std::filesystem::remove_all(shots);
    setenv("QUILLET_SNAPSHOT", shots.c_str(), 1);
    for (const auto& [name, value] : c.env)
        value ? setenv(name, value, 1) : unsetenv(name);
    std::vector<std::string> argv{BinPath(c.program)};
    for (const std::string& arg : c.args)
        argv.push_back(arg == "{skin}" ? BinPath("Skins/Default") : arg);
    const ProcessResult r = RunProcess(argv);

    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_TRUE(r.out.starts_with(c.out)) << r.out;
    EXPECT_TRUE(r.err.starts_with(c.err)) << r.err;
    if (c.exitCode == 0)
        EXPECT_EQ(r.err, "");
    else
        EXPECT_EQ(r.out, "");
    if (c.exitCode == 1) {
        EXPECT_EQ(r.err, c.err) << "one line, nothing more";
    }
    EXPECT_FALSE(std::filesystem::exists(shots));
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLine, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
