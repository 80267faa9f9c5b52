// Folder listings: order, depth and extension filters.
#include "kwui/dirlist.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(DirectoryList, NamesSortIgnoringCaseWithNumbersByValue)
{
    // Each name sorts strictly before the next one.
    const std::vector<std::string> ordered = {"", "1.map", "2.map", "10.map", "a", "A1", "a2", "a10", "Level", "level2",
                                              "LEVEL03", "level3", "level10", "level10a", "Mower.spr", "mower2.spr",
                                              "x99999999999999999999999", "x100000000000000000000000"};
    for (size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_LT(DirectoryCompareNames(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_GT(DirectoryCompareNames(ordered[i + 1], ordered[i]), 0) << ordered[i + 1] << " > " << ordered[i];
    }
    EXPECT_EQ(DirectoryCompareNames("same", "same"), 0);
}

TEST(DirectoryList, FoldersComeFirstThenFilesEachSortedDepthFirstAndFilteredByExtensionIgnoringCase)
{
    const fs::path root = fs::temp_directory_path() / "sodbolt_dirlist_sorted";
    fs::remove_all(root);
    for (const char* folder : {"zeta", "Alpha", "beta", "alpha/sub"}) fs::create_directories(root / folder);
    for (const char* name : {"level10.map", "Level03.map", "level2.MAP", "README", "alpha/Z.wav", "alpha/a.wav"})
        std::ofstream(root / name) << "x";
    auto listed = [&](DirectoryListClass& list, int mode, bool recursive) {
        list.List(root.string(), mode, recursive);
        std::vector<std::string> names;
        for (const auto& e : list.Entries()) names.push_back(e.relativePath + (e.isFolder ? "/" : ""));
        return names;
    };
    DirectoryListClass all;
    // "alpha" and "Alpha" are two folders on Linux; case only decides between them.
    EXPECT_EQ(listed(all, DirectoryListClass::FilesAndFolders, false),
              (std::vector<std::string>{"Alpha/", "alpha/", "beta/", "zeta/", "level2.MAP", "Level03.map", "level10.map", "README"}));
    DirectoryListClass filtered;
    filtered.AddExtension("map");
    filtered.AddExtension(".WAV");
    EXPECT_EQ(listed(filtered, DirectoryListClass::FilesOnly, true),
              (std::vector<std::string>{"alpha/a.wav", "alpha/Z.wav", "level2.MAP", "Level03.map", "level10.map"}));
    EXPECT_EQ(filtered.Entries()[0].name, "a.wav") << "names are bare, relative paths lead from the root";
    DirectoryListClass missing;
    missing.List((root / "nowhere").string(), DirectoryListClass::FilesAndFolders, true);
    EXPECT_TRUE(missing.Entries().empty()) << "a missing folder lists nothing";
    fs::remove_all(root);
}
