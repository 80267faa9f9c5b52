// Folder listings: the order of names and a missing folder. (Folders first and extension filters:
// test_filedialog; subfolders: the sound bank's test.)
#include "kwui/dirlist.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(DirectoryList, NamesSortIgnoringCaseWithNumbersByValue)
{
    // Each name sorts strictly before the next one; "Alpha" and "alpha" are two names on Linux, case decides.
    const std::vector<std::string> ordered = {"", "1.map", "2.map", "10.map", "a", "A1", "a2", "a10", "Alpha", "alpha",
                                              "Level", "level2", "LEVEL03", "level3", "level10", "level10a", "Mower.spr",
                                              "mower2.spr", "x99999999999999999999999", "x100000000000000000000000"};
    for (size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_LT(DirectoryCompareNames(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_GT(DirectoryCompareNames(ordered[i + 1], ordered[i]), 0) << ordered[i + 1] << " > " << ordered[i];
    }
    EXPECT_EQ(DirectoryCompareNames("same", "same"), 0);
    DirectoryListClass missing;
    missing.List((fs::temp_directory_path() / "sodbolt_no_such_folder").string(), DirectoryListClass::FilesAndFolders, true);
    EXPECT_TRUE(missing.Entries().empty()) << "a missing folder lists nothing";
}
