// Command line, content path resolution and the platform's path rules.
#include "app/commandline.h"
#include "content/datapath.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {
LaunchOptions Parse(std::vector<const char*> args)
{
    return ParseArguments(static_cast<int>(args.size()), args.data());
}
}  // namespace

TEST(Arguments, OptionsModFolderAndRefusals)
{
    const LaunchOptions upper = Parse({"sodbolt", "-BASE", "a", "-base", "mods"});
    EXPECT_EQ(upper.action, LaunchOptions::Action::Run);
    EXPECT_TRUE(upper.useModFolder);
    EXPECT_EQ(upper.modFolder, "mods");
    EXPECT_EQ(Parse({"sodbolt"}).windowed, -1) << "kwui2.ini decides";
    EXPECT_EQ(Parse({"sodbolt", "--window", "--fullscreen"}).windowed, 0);
    EXPECT_EQ(Parse({"sodbolt", "--fullscreen", "--window"}).windowed, 1);
    EXPECT_EQ(Parse({"sodbolt", "--version"}).action, LaunchOptions::Action::Version);
    const LaunchOptions unknown = Parse({"sodbolt", "--help", "--x", "--y"});
    EXPECT_EQ(unknown.action, LaunchOptions::Action::Refuse) << "a mistyped option is never taken for help";
    EXPECT_EQ(unknown.error, "sodbolt: unknown option '--x'");
    EXPECT_EQ(Parse({"sodbolt", "-base"}).action, LaunchOptions::Action::Refuse) << "-base without its folder";
    EXPECT_EQ(Parse({"sodbolt", "mods"}).error, "sodbolt: unexpected argument 'mods'");
}

// (Portable runs: every end-to-end script.)
TEST(Folders, InstalledBesideTheProgramAndInXdg)
{
    FolderInputs inputs;
    inputs.workingFolder = "/home/jürgen";
    inputs.home = "/home/jürgen";
    inputs.executablePath = "/opt/games/x/games/sodbolt";
    ProgramFolders installed = ChooseFolders(inputs);
    EXPECT_EQ(installed.mode, RunMode::Installed);
    EXPECT_EQ(installed.baseFolder, "/opt/games/x/share/games/sodbolt/base/") << "a moved prefix still works";
    EXPECT_EQ(installed.settingsFolder, "/home/jürgen/.config/sodbolt/");
    EXPECT_EQ(installed.stateFolder, "/home/jürgen/.local/state/sodbolt/");

    inputs.dataDirOverride = "data/../pack";
    inputs.dataHome = "/d";
    inputs.stateHome = "relative/state";
    installed = ChooseFolders(inputs);
    EXPECT_EQ(installed.dataFolder, "/home/jürgen/pack/");
    EXPECT_EQ(installed.stateFolder, "/home/jürgen/.local/state/sodbolt/") << "a relative XDG path is ignored";

    EXPECT_EQ(ModFolderCandidates("mymod", installed),
              (std::vector<std::string>{"mymod", "/d/sodbolt/mods/mymod", "/home/jürgen/pack/mymod"}));
    EXPECT_EQ(ModFolderCandidates("/srv/mod", installed), std::vector<std::string>{"/srv/mod"});
}

TEST(Paths, CanonicalPathsAndAModFolderOverridingSingleFiles)
{
    EXPECT_EQ(PlatformCanonicalPath("/a/./b//c/../d"), "/a/b/d");
    EXPECT_EQ(PlatformCanonicalPath("/.."), "/");

    const fs::path mods = fs::temp_directory_path() / "sodbolt_mods_test";
    fs::create_directories(mods / "maps");
    std::ofstream(mods / "maps" / "a.map") << "x";
    gUseModFolder = true;
    for (std::string folder : {mods.string(), mods.string() + "/"}) {
        gModFolder = folder;
        EXPECT_EQ(ResolveDataPath("maps/a.map"), mods.string() + "/maps/a.map") << folder;
        EXPECT_EQ(ResolveDataPath("maps/b.map"), "base/maps/b.map") << "a file missing from the mod comes from base";
    }
    EXPECT_EQ(ResolveDataPath("/abs/x.map"), "/abs/x.map");
    gUseModFolder = false;
    gModFolder.clear();

    char small[12] = "maps/a.map";
    EXPECT_FALSE(ResolveDataPath(small, sizeof small)) << "a result that does not fit is refused";
    EXPECT_STREQ(small, "maps/a.map");
    char roomy[256] = "maps/a.map";
    EXPECT_TRUE(ResolveDataPath(roomy, sizeof roomy));
    EXPECT_STREQ(roomy, "base/maps/a.map");
    fs::remove_all(mods);
}
