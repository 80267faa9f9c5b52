// Sodbolt entry point.
#include "app/commandline.h"
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    const LaunchOptions options = ParseArguments(argc, argv);
    switch (options.action) {
    case LaunchOptions::Action::Help: std::fputs(UsageText().c_str(), stdout); return 0;
    case LaunchOptions::Action::Version: std::printf("%s\n", VersionLine().c_str()); return 0;
    case LaunchOptions::Action::Refuse: std::fprintf(stderr, "%s\n%s\n", options.error.c_str(), kUsageLine); return 2;
    case LaunchOptions::Action::Run: break;
    }
    if (const int refused = PrepareFolders(options)) return refused;

    if (!StartUp()) return 1;
    RunMainMenu();
    ShutDown();
    return 0;
}
