// Sodbolt entry point.
#include "app/startup.h"
#include "content/datapath.h"

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    const LaunchOptions options = ParseArguments(argc, argv);
    gUseModFolder = options.useModFolder;
    gModFolder = options.modFolder;

    if (!StartUp()) return 1;
    RunMainMenu();
    ShutDown();
    return 0;
}
