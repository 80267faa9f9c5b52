// Folder listings by extension and depth.
#include "kwui/dirlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> Names(const DirectoryListClass& list)
{
    std::vector<std::string> names;
    for (const auto& e : list.Entries()) names.push_back(e.relativePath);
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace

TEST(DirectoryList, ListsByExtensionIgnoringCaseByModeAndDepth)
{
    const fs::path root = fs::temp_directory_path() / "sodbolt_dirlist_test";
    fs::remove_all(root);
    fs::create_directories(root / "game");
    for (const char* name : {"BIRDS1.WAV", "readme", "notes.txt", "game/skid1.wav", "game/skid2.Wav"})
        std::ofstream(root / name) << "x";

    DirectoryListClass list;
    list.AddExtension("wav");
    list.List(root.string(), DirectoryListClass::FilesOnly, false);
    EXPECT_EQ(Names(list), std::vector<std::string>{"BIRDS1.WAV"});
    EXPECT_FALSE(list.Accepts("readme"));
    EXPECT_TRUE(list.Accepts("x.WaV"));

    DirectoryListClass deep;
    deep.AddExtension(".wav");
    deep.List(root.string() + "/", DirectoryListClass::FilesOnly, true);
    EXPECT_EQ(Names(deep), (std::vector<std::string>{"BIRDS1.WAV", "game/skid1.wav", "game/skid2.Wav"}));
    bool bareName = false;  // names are bare file names, relative paths lead from the root
    for (const auto& e : deep.Entries()) {
        EXPECT_FALSE(e.isFolder);
        EXPECT_EQ(e.fullPath, (root / e.relativePath).string());
        bareName = bareName || e.name == "skid1.wav";
    }
    EXPECT_TRUE(bareName);

    DirectoryListClass all;
    all.List(root.string(), DirectoryListClass::FoldersOnly, false);
    EXPECT_EQ(Names(all), std::vector<std::string>{"game"});
    EXPECT_TRUE(all.Entries()[0].isFolder);
    all.List(root.string(), DirectoryListClass::FilesAndFolders, false);
    EXPECT_EQ(all.Entries().size(), 4u);
    all.List((root / "nowhere").string(), DirectoryListClass::FilesAndFolders, true);
    EXPECT_TRUE(all.Entries().empty());
    fs::remove_all(root);
}
