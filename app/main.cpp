#include <cstdio>
#include <cstring>

#include "framework/app.h"

namespace {

constexpr const char* kUsage = "usage: quillet [--help | --version]\n";

constexpr const char* kHelp = "Usage: quillet [--help | --version]\n"
                              "Shows the batteries, free memory and free storage in one skinned window\n"
                              "that closes by itself after a few seconds unless you keep it open.\n"
                              "\n"
                              "  --help     print this help and exit\n"
                              "  --version  print the version and exit\n"
                              "\n"
                              "Settings are changed in the settings dialog (Menu > Settings) or with\n"
                              "quillet-reg; see quillet(1) and quillet-reg(1).\n";

// The display's name stands for %s.
constexpr const char* kNoDisplay = "quillet: cannot open %s: Quillet needs a graphical session (or, for a picture "
                                   "of its screen, QUILLET_SNAPSHOT=DIR with QT_QPA_PLATFORM=offscreen)\n";

// A help text that could not be written (a closed pipe, a full disk) is a failure.
int Print(const char* text)
{
    return std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 1)
        return AfxWinMain(argc, argv, kNoDisplay);
    // Answered before the framework starts, so they never open a window.
    const bool help = std::strcmp(argv[1], "--help") == 0;
    const bool version = std::strcmp(argv[1], "--version") == 0;
    if (argc == 2 && help)
        return Print(kHelp);
    if (argc == 2 && version)
        return Print("quillet " QUILLET_VERSION "\n");
    std::fprintf(stderr, "quillet: unexpected argument '%s'\n%s", argv[help || version ? 2 : 1], kUsage);
    return 2;
}
