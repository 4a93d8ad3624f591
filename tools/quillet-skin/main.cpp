// quillet-skin: checks a skin folder as Quillet reads it, and renders a
// contact sheet of every window in it.
//
//   quillet-skin check DIR [--strict] [--json]
//   quillet-skin preview DIR [-o FILE.png] [--size 240x320|480x640|both] [--show-as DIR]
//
// Exit status: 0 fine, 1 the skin has errors (or warnings with --strict) or
// the preview failed, 2 a usage error.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/app.h"
#include "tools/quillet-skin/Preview.h"
#include "tools/quillet-skin/SkinCheck.h"

namespace {

constexpr const char* kUsage = "usage: quillet-skin check DIR [--strict] [--json]\n"
                               "       quillet-skin preview DIR [-o FILE.png] [--size 240x320|480x640|both]\n"
                               "                            [--show-as DIR]\n"
                               "       quillet-skin --help | --version\n";

constexpr const char* kHelp = "Checks a Quillet skin folder, or renders a contact sheet of its five windows.\n"
                              "\n"
                              "  check DIR      report each picture that is missing, cannot be decoded or does\n"
                              "                 not fit its window, and each colour as Quillet reads it, with a\n"
                              "                 warning where that differs from what the colour file says\n"
                              "    --strict     warnings fail the check too\n"
                              "    --json       the findings as JSON instead of text\n"
                              "  preview DIR    render the monitor, memory dialog, About, settings and folder\n"
                              "                 browser over an example machine, without a display\n"
                              "    -o FILE.png  where to save it (default: NAME-preview.png for skin folder NAME)\n"
                              "    --size S     240x320, 480x640 or both (default both)\n"
                              "    --show-as D  the skin folder the settings dialog shows (default: DIR)\n"
                              "\n"
                              "Exit status: 0 fine, 1 errors (or warnings with --strict) or no picture made,\n"
                              "2 usage errors. See quillet-skin(1).\n";

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "quillet-skin: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

// The toolkit with no display: nothing is ever shown.
void StartToolkit(int& argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    AfxWinInit(argc, argv);
}

int Check(const std::vector<std::string>& args)
{
    std::string folder;
    bool strict = false, json = false;
    for (const std::string& arg : args) {
        if (arg == "--strict")
            strict = true;
        else if (arg == "--json")
            json = true;
        else if (arg.starts_with("-") || !folder.empty())
            return Usage("unexpected argument '" + arg + "'");
        else
            folder = arg;
    }
    if (folder.empty())
        return Usage("check needs a skin folder");
    // Reading files and decoding pictures needs no toolkit application, and
    // so no graphical session.
    const SkinReport report = CheckSkin(folder);
    const std::string text = json ? ReportJson(report) : ReportText(report);
    std::fputs(text.c_str(), stdout);
    return ExitCode(report, strict);
}

int Preview(const std::vector<std::string>& args, int& argc, char** argv)
{
    std::string folder, out, sizeText = "both", shownFolder;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" && i + 1 < args.size())
            out = args[++i];
        else if (arg == "--size" && i + 1 < args.size())
            sizeText = args[++i];
        else if (arg == "--show-as" && i + 1 < args.size())
            shownFolder = args[++i];
        else if (arg.starts_with("-") || !folder.empty())
            return Usage("unexpected argument '" + arg + "'");
        else
            folder = arg;
    }
    if (folder.empty())
        return Usage("preview needs a skin folder");
    std::vector<ScreenSize> sizes;
    if (sizeText == kNormalScreen.Text() || sizeText == "both")
        sizes.push_back(kNormalScreen);
    if (sizeText == kLargeScreen.Text() || sizeText == "both")
        sizes.push_back(kLargeScreen);
    if (sizes.empty())
        return Usage("unknown size '" + sizeText + "'");
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "quillet-skin: %s: no such folder\n", folder.c_str());
        return 1;
    }
    if (out.empty()) {
        std::filesystem::path path = std::filesystem::absolute(folder).lexically_normal();
        if (path.filename().empty())
            path = path.parent_path();
        out = path.filename().string() + "-preview.png";
    }
    StartToolkit(argc, argv);
    std::vector<PreviewCell> cells;
    std::string problem;
    if (!RenderPreview(folder, shownFolder, sizes, out, cells, problem)) {
        std::fprintf(stderr, "quillet-skin: %s\n", problem.c_str());
        return 1;
    }
    for (const PreviewCell& cell : cells)
        std::printf("%s %s: %dx%d at %d,%d\n", cell.screen->name, cell.size.Text().c_str(), cell.width, cell.height,
            cell.x, cell.y);
    std::printf("preview: %s\n", out.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (command == "--version" && argc == 2) {
        std::puts("quillet-skin " QUILLET_VERSION);
        return 0;
    }
    if (command == "check")
        return Check(args);
    if (command == "preview")
        return Preview(args, argc, argv);
    return Usage(command.empty() ? "no command given" : "unknown command '" + command + "'");
}
