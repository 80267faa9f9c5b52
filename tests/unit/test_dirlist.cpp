// Folder listings: order, depth and extension filters.
#include "kwui/dirlist.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// The listing's relative paths in its order, folders marked with a slash.
std::vector<std::string> Names(const DirectoryListClass& list)
{
    std::vector<std::string> names;
    for (const auto& e : list.Entries()) names.push_back(e.relativePath + (e.isFolder ? "/" : ""));
    return names;
}
}  // namespace

TEST(DirectoryList, NamesSortIgnoringCaseWithNumbersByValue)
{
    // Each row: a name that sorts strictly before the next one.
    const std::vector<std::string> ordered = {"1.map", "2.map", "10.map", "a",        "A1",     "a2",
                                              "a10",   "Level",  "level2", "LEVEL03", "level3", "level10",
                                              "level10a", "Mower.spr", "mower2.spr", "zz"};
    for (size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_LT(DirectoryCompareNames(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_GT(DirectoryCompareNames(ordered[i + 1], ordered[i]), 0) << ordered[i + 1] << " > " << ordered[i];
    }
    // Names equal but for case or leading zeros still get one fixed order.
    for (const auto& [a, b] : {std::pair<const char*, const char*>{"Map", "map"}, {"level03", "level3"}}) {
        EXPECT_NE(DirectoryCompareNames(a, b), 0) << a;
        EXPECT_EQ(DirectoryCompareNames(a, b), -DirectoryCompareNames(b, a)) << a;
    }
    EXPECT_EQ(DirectoryCompareNames("same", "same"), 0);
    EXPECT_LT(DirectoryCompareNames("", "a"), 0);
    // Long runs of digits are compared as text, never overflowing a number.
    EXPECT_LT(DirectoryCompareNames("x99999999999999999999999", "x100000000000000000000000"), 0);
}

TEST(DirectoryList, FoldersComeFirstThenFilesEachSortedDepthFirstAndFilteredByExtensionIgnoringCase)
{
    const fs::path root = fs::temp_directory_path() / "sodbolt_dirlist_sorted";
    fs::remove_all(root);
    for (const char* folder : {"zeta", "Alpha", "beta", "alpha/sub"}) fs::create_directories(root / folder);
    for (const char* name : {"level10.map", "Level03.map", "level2.MAP", "README", "b.txt", "alpha/Z.wav", "alpha/a.wav"})
        std::ofstream(root / name) << "x";

    auto listed = [&](int mode, bool recursive) {
        DirectoryListClass list;
        list.List(root.string(), mode, recursive);
        return Names(list);
    };
    // "alpha" and "Alpha" are two folders on Linux; case only decides between them.
    EXPECT_EQ(listed(DirectoryListClass::FilesAndFolders, false),
              (std::vector<std::string>{"Alpha/", "alpha/", "beta/", "zeta/", "b.txt", "level2.MAP", "Level03.map",
                                        "level10.map", "README"}));
    EXPECT_EQ(listed(DirectoryListClass::FilesOnly, true),
              (std::vector<std::string>{"alpha/a.wav", "alpha/Z.wav", "b.txt", "level2.MAP", "Level03.map",
                                        "level10.map", "README"}));
    EXPECT_EQ(listed(DirectoryListClass::FoldersOnly, true),
              (std::vector<std::string>{"Alpha/", "alpha/", "alpha/sub/", "beta/", "zeta/"}));

    DirectoryListClass filtered;
    filtered.AddExtension("map");
    filtered.AddExtension(".WAV");
    filtered.List(root.string() + "/", DirectoryListClass::FilesOnly, true);
    EXPECT_EQ(Names(filtered),
              (std::vector<std::string>{"alpha/a.wav", "alpha/Z.wav", "level2.MAP", "Level03.map", "level10.map"}));
    EXPECT_FALSE(filtered.Accepts("README"));
    EXPECT_EQ(filtered.Entries()[0].name, "a.wav") << "names are bare, relative paths lead from the root";
    for (const auto& e : filtered.Entries()) EXPECT_EQ(e.fullPath, (root / e.relativePath).string());
    DirectoryListClass missing;
    missing.List((root / "nowhere").string(), DirectoryListClass::FilesAndFolders, true);
    EXPECT_TRUE(missing.Entries().empty()) << "a missing folder lists nothing";
    fs::remove_all(root);
}
