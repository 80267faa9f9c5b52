// Command line, content path resolution and the platform's path rules.
#include "app/startup.h"
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

TEST(Arguments, BaseInAnyCaseAndTheLastOneWins)
{
    const LaunchOptions upper = Parse({"sodbolt", "-BASE", "mods"});
    EXPECT_TRUE(upper.useModFolder);
    EXPECT_EQ(upper.modFolder, "mods");
    EXPECT_EQ(Parse({"sodbolt", "-base", "a", "-base", "b"}).modFolder, "b");
    EXPECT_FALSE(Parse({"sodbolt", "-base"}).useModFolder) << "-base as the last argument leaves the mod folder unset";
    EXPECT_FALSE(Parse({"sodbolt", "-fast", "base"}).useModFolder);
}

TEST(Paths, JoinAbsoluteCanonicalRootsAndCaseInsensitiveCompare)
{
    EXPECT_EQ(PlatformJoinPath("", "a.map"), "a.map");
    EXPECT_EQ(PlatformJoinPath("mods", "maps/a.map"), "mods/maps/a.map");
    EXPECT_EQ(PlatformJoinPath("mods/", "maps/a.map"), "mods/maps/a.map");
    EXPECT_EQ(PlatformJoinPath("mods\\", "a.map"), "mods\\a.map");
    EXPECT_TRUE(PlatformIsAbsolutePath("/tmp/x.map"));
    EXPECT_FALSE(PlatformIsAbsolutePath("maps/x.map"));
    EXPECT_FALSE(PlatformIsAbsolutePath(""));
    EXPECT_EQ(PlatformCanonicalPath("/a/./b//c/../d"), "/a/b/d");
    EXPECT_EQ(PlatformCanonicalPath("/a/b/"), "/a/b/");
    EXPECT_EQ(PlatformCanonicalPath("/.."), "/");
    EXPECT_TRUE(PlatformIsFileSystemRoot("/"));
    EXPECT_FALSE(PlatformIsFileSystemRoot("/home"));
    EXPECT_EQ(PlatformDriveRoots().front(), "/");
    EXPECT_EQ(PlatformCompareNoCase("Birds1.WAV", "birds1.wav"), 0);
    EXPECT_NE(PlatformCompareNoCase("a", "b"), 0);
}

TEST(Paths, ModFolderOverridesSingleFiles)
{
    const fs::path mods = fs::temp_directory_path() / "sodbolt_mods_test";
    fs::create_directories(mods / "maps");
    std::ofstream(mods / "maps" / "a.map") << "x";

    gUseModFolder = true;
    for (std::string folder : {mods.string(), mods.string() + "/"}) {
        gModFolder = folder;
        EXPECT_EQ(ResolveDataPath("maps/a.map"), mods.string() + "/maps/a.map") << folder;
        EXPECT_EQ(ResolveDataPath("maps/b.map"), "base/maps/b.map") << "a file missing from the mod comes from base";
        EXPECT_EQ(GetDataPath("music/x.xm"), mods.string() + "/music/x.xm");
    }
    EXPECT_EQ(ResolveDataPath("/abs/x.map"), "/abs/x.map");

    gUseModFolder = false;
    gModFolder.clear();
    EXPECT_EQ(ResolveDataPath("maps/a.map"), "base/maps/a.map");
    EXPECT_EQ(GetDataPath("music/x.xm"), "base/music/x.xm");

    char small[12] = "maps/a.map";
    EXPECT_FALSE(ResolveDataPath(small, sizeof small)) << "a result that does not fit is refused";
    EXPECT_STREQ(small, "maps/a.map");
    char roomy[256] = "maps/a.map";
    EXPECT_TRUE(ResolveDataPath(roomy, sizeof roomy));
    EXPECT_STREQ(roomy, "base/maps/a.map");
    fs::remove_all(mods);
}
