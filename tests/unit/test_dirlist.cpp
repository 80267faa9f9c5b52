// Folder listings by extension and depth.
#include "kwui/dirlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
struct TempTree {
    fs::path root = fs::temp_directory_path() / "sodbolt_dirlist_test";
    TempTree()
    {
        fs::remove_all(root);
        fs::create_directories(root / "game");
        for (const char* name : {"BIRDS1.WAV", "readme", "notes.txt", "game/skid1.wav", "game/skid2.Wav"}) {
            std::FILE* f = std::fopen((root / name).c_str(), "wb");
            std::fputs("x", f);
            std::fclose(f);
        }
    }
    ~TempTree() { fs::remove_all(root); }
};

std::vector<std::string> Names(const DirectoryListClass& list)
{
    std::vector<std::string> names;
    for (const auto& e : list.Entries()) names.push_back(e.relativePath);
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace

TEST(DirectoryList, ExtensionFilterIgnoresCaseAndSkipsBareNames)
{
    TempTree tree;
    DirectoryListClass list;
    list.AddExtension("wav");
    list.List(tree.root.string(), DirectoryListClass::FilesOnly, false);
    EXPECT_EQ(Names(list), std::vector<std::string>{"BIRDS1.WAV"});
    EXPECT_FALSE(list.Accepts("readme"));
    EXPECT_TRUE(list.Accepts("x.WaV"));
}

TEST(DirectoryList, RecursionListsSubFolderFilesDepthFirst)
{
    TempTree tree;
    DirectoryListClass list;
    list.AddExtension(".wav");
    list.List(tree.root.string() + "/", DirectoryListClass::FilesOnly, true);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"BIRDS1.WAV", "game/skid1.wav", "game/skid2.Wav"}));
    for (const auto& e : list.Entries()) {
        EXPECT_FALSE(e.isFolder);
        EXPECT_EQ(e.fullPath, (tree.root / e.relativePath).string());
    }
    const auto it = std::find_if(list.Entries().begin(), list.Entries().end(),
                                 [](const DirectoryEntry& e) { return e.name == "skid1.wav"; });
    EXPECT_NE(it, list.Entries().end()) << "names are bare file names";
}

TEST(DirectoryList, ModesAndMissingFolders)
{
    TempTree tree;
    DirectoryListClass list;
    list.List(tree.root.string(), DirectoryListClass::FoldersOnly, false);
    EXPECT_EQ(Names(list), std::vector<std::string>{"game"});
    EXPECT_TRUE(list.Entries()[0].isFolder);

    list.List(tree.root.string(), DirectoryListClass::FilesAndFolders, false);
    EXPECT_EQ(list.Entries().size(), 4u);

    list.List((tree.root / "nowhere").string(), DirectoryListClass::FilesAndFolders, true);
    EXPECT_TRUE(list.Entries().empty());
}
