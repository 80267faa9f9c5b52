// File dialog: start paths, extensions, the filter caption, and what "Ok" does with a typed name.
#include "kwui/filedialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

namespace fs = std::filesystem;

TEST(FileDialogPaths, StartPathSplitsAndParents)
{
    const struct { const char *path, *workingFolder, *folder, *fileName; } cases[] = {
        {"maps/a.map", "/work/game/", "/work/game/maps/", "a.map"},
        {"../other/./b.til", "/work/game", "/work/other/", "b.til"},
        {"/abs/sprites/", "/work/game/", "/abs/sprites/", ""},
        {"", "/work/game/", "/work/game/", ""}};
    for (const auto& c : cases) {
        const FileDialogStart start = FileDialogSplitStartPath(c.path, c.workingFolder);
        EXPECT_EQ(start.folder, c.folder) << c.path;
        EXPECT_EQ(start.fileName, c.fileName) << c.path;
    }
    for (const auto& [folder, parent] : {std::pair{"/work/game/", "/work/"}, {"/work/", "/"}, {"/", "/"}})
        EXPECT_EQ(FileDialogParentFolder(folder), parent) << folder;
}

TEST(FileDialogPaths, TheFirstExtensionReplacesOrIsAddedToTheFileNameOnly)
{
    // A dot in a folder name or a hidden name's leading dot is no extension.
    const std::pair<const char*, const char*> cases[] = {{"/home/me/level5.backup.txt", "/home/me/level5.backup.map"},
                                                         {"maps.old/level5", "maps.old/level5.map"},
                                                         {".hidden", ".hidden.map"}};
    for (const auto& [typed, result] : cases) EXPECT_EQ(FileDialogApplyExtension(typed, ".map"), result) << typed;

    const std::vector<std::string> images = {".BMP", ".LBM", ".PCX", ".TGA"};
    EXPECT_EQ(FileDialogNewFileName("out.tga", images), "out.tga") << "an offered extension is kept";
    EXPECT_EQ(FileDialogNewFileName("out.txt", images), "out.BMP");
    EXPECT_EQ(FileDialogFilterCaption({}), "Showing all files");
    EXPECT_EQ(FileDialogFilterCaption(images), "Showing: *.BMP *.LBM *.PCX *.TGA");
}

TEST(FileDialogPaths, APathThatDoesNotFitIsRefusedNotCut)
{
    char buffer[8] = "old";
    EXPECT_FALSE(FileDialogCopyToBuffer("12345678", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "old");
    EXPECT_TRUE(FileDialogIsUsablePath(std::string(kPathBufferSize - 1, 'a')));
    EXPECT_FALSE(FileDialogIsUsablePath(std::string(kPathBufferSize, 'a')));
    EXPECT_FALSE(FileDialogIsUsablePath("maps/a\nb.map"));

    // Refused before any folder is listed (without a window the message goes to the log).
    FileDialogClass dialog;
    dialog.create();
    dialog.SetStartPath(std::string(kPathBufferSize + 10, 'a'));
    EXPECT_FALSE(dialog.Run());
    EXPECT_TRUE(dialog.currentFolder.empty());
    dialog.Close();
}

TEST(FileDialogListing, RowsAndTypedNamesResolveAgainstTheWorkingFolder)
{
    const fs::path root = fs::temp_directory_path() / "sodbolt_filedialog_test";
    const std::string scratch = root.string() + "/";
    fs::remove_all(root);
    for (const char* folder : {"sub", "Maps10", "maps9"}) fs::create_directories(root / folder);
    for (const char* name : {"LEVEL.MAP", "notes.txt", "readme", "level10.map", "level2.map"})
        std::ofstream(root / name) << "x";
    FileDialogClass dialog;
    dialog.workingFolder = scratch;
    dialog.AddExtension("map");
    dialog.currentFolder = scratch;
    dialog.RefillFileList();
    std::vector<std::string> rows;
    for (const ListBoxRow& row : dialog.fileList.rows) rows.push_back(row.text);
    EXPECT_EQ(rows, (std::vector<std::string>{"..", "maps9/", "Maps10/", "sub/", "LEVEL.MAP", "level2.map", "level10.map"}));

    // A new name gets the filter's extension; an existing file is returned as it is; a folder is entered.
    for (const auto& [typed, result] :
         {std::pair<const char*, const char*>{"level5", "level5.map"}, {"level5.txt", "level5.map"}, {"notes.txt", "notes.txt"}}) {
        EXPECT_EQ(dialog.Accept(typed), FileDialogClass::AcceptChosen) << typed;
        EXPECT_EQ(dialog.Result(), result) << typed;
    }
    for (const auto& [typed, folder] :
         {std::pair<const char*, std::string>{"sub", scratch + "sub/"}, {"..", scratch}, {"/", "/"}}) {
        EXPECT_EQ(dialog.Accept(typed), FileDialogClass::AcceptEnteredFolder) << typed;
        EXPECT_EQ(dialog.currentFolder, folder) << typed;
    }
    EXPECT_EQ(dialog.Accept(""), FileDialogClass::AcceptIgnored);
    EXPECT_EQ(dialog.Accept("nosuch/"), FileDialogClass::AcceptInvalid);

    // A result longer than the caller's buffer is refused and the earlier one kept.
    dialog.resultLimit = 9;
    dialog.result = "earlier";
    EXPECT_EQ(dialog.Accept("level5"), FileDialogClass::AcceptTooLong);
    EXPECT_EQ(dialog.Result(), "earlier");
    fs::remove_all(root);
}
