// FileDialogClass: walk folders and roots, pick or type a file name.
//
// [SECTION] Path rules
// [SECTION] FileDialogClass
// [SECTION] KW_SelectFile, KW_SelectImageFile
#include "kwui/filedialog.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/dialogs.h"
#include "kwui/dirlist.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "platform/platform.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <cstring>

// [SECTION] Path rules

std::string FileDialogResolve(const std::string& text, const std::string& folder)
{
    if (PlatformIsAbsolutePath(text)) return PlatformCanonicalPath(text);
    if (text.empty()) return PlatformCanonicalPath(PlatformJoinPath(folder, ""));
    return PlatformCanonicalPath(PlatformJoinPath(folder, text));
}

static size_t LastSeparator(const std::string& path)
{
    for (size_t i = path.size(); i > 0; --i)
        if (PlatformIsSeparator(path[i - 1])) return i - 1;
    return std::string::npos;
}

FileDialogStart FileDialogSplitStartPath(const std::string& startPath, const std::string& workingFolder)
{
    const std::string resolved = FileDialogResolve(startPath, workingFolder);
    FileDialogStart start;
    const size_t cut = LastSeparator(resolved);
    if (cut == std::string::npos) {
        start.folder = PlatformJoinPath(workingFolder, "");
        start.fileName = resolved;
    } else {
        start.folder = resolved.substr(0, cut + 1);
        start.fileName = resolved.substr(cut + 1);
    }
    return start;
}

bool FileDialogIsUsablePath(const std::string& text)
{
    if (text.size() >= kPathBufferSize) return false;
    for (char c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
    return true;
}

std::string FileDialogFilterCaption(const std::vector<std::string>& extensions)
{
    if (extensions.empty()) return "Showing all files";
    std::string caption = "Showing:";
    for (const std::string& extension : extensions) caption += " *" + extension;
    return caption;
}

std::string FileDialogApplyExtension(const std::string& path, const std::string& extension)
{
    // Only the file name counts: a dot in a folder name is not an extension.
    const size_t cut = LastSeparator(path);
    const size_t nameStart = cut == std::string::npos ? 0 : cut + 1;
    const size_t dot = path.rfind('.');
    // A leading dot marks a hidden name (".profile"), not an extension.
    if (dot != std::string::npos && dot > nameStart) return path.substr(0, dot) + extension;
    return path + extension;
}

std::string FileDialogNewFileName(const std::string& path, const std::vector<std::string>& extensions)
{
    if (extensions.empty()) return path;
    const size_t cut = LastSeparator(path);
    const size_t nameStart = cut == std::string::npos ? 0 : cut + 1;
    const size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot > nameStart) {
        const std::string typed = path.substr(dot);
        for (const std::string& offered : extensions)
            if (PlatformEqualsNoCase(typed, offered)) return path;
    }
    return FileDialogApplyExtension(path, extensions.front());
}

bool FileDialogIsRoot(const std::string& folder) { return PlatformIsFileSystemRoot(folder); }

std::string FileDialogFolderRow(const std::string& name) { return name + PlatformSeparator(); }

bool FileDialogIsFolderRow(const std::string& row) { return !row.empty() && PlatformIsSeparator(row.back()); }

std::string FileDialogParentFolder(const std::string& folder)
{
    if (FileDialogIsRoot(folder)) return folder;
    std::string trimmed = folder;
    while (trimmed.size() > 1 && PlatformIsSeparator(trimmed.back())) trimmed.pop_back();
    const size_t cut = LastSeparator(trimmed);
    if (cut == std::string::npos) return PlatformJoinPath(trimmed, "");
    return trimmed.substr(0, cut + 1);
}

std::string FileDialogRowPath(const std::string& currentFolder, const std::string& row)
{
    if (row == "..") return FileDialogParentFolder(currentFolder);
    return PlatformJoinPath(currentFolder, row);
}

bool FileDialogCopyToBuffer(const std::string& path, char* buffer, size_t bufferSize)
{
    if (!buffer || path.size() + 1 > bufferSize) return false;
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return true;
}

// [SECTION] FileDialogClass

static bool IsExistingFolder(const std::string& path)
{
    ALLEGRO_FS_ENTRY* entry = al_create_fs_entry(path.c_str());
    if (!entry) return false;
    const bool folder = al_fs_entry_exists(entry) && (al_get_fs_entry_mode(entry) & ALLEGRO_FILEMODE_ISDIR);
    al_destroy_fs_entry(entry);
    return folder;
}

void FileDialogClass::create()
{
    if (created) Close();
    workingFolder = PlatformJoinPath(PlatformWorkingFolder(), "");
    title = "Select File";
    parentMarker = "..";
    extensions.clear();
    result.clear();
    startFileName.clear();
    startFolder = workingFolder;
    resultLimit = 0;

    const int lh = KW_LineHeight();
    width = std::min(950, kwScreenW);
    height = std::min(700, kwScreenH);
    x = (kwScreenW - width) / 2;
    y = (kwScreenH - height) / 2;
    const int right = x + width - 1;
    const int bottom = y + height - 1;

    // "Ok" and "Cancel" in the bottom-right corner, the name field above them.
    const int buttonW = KW_TextWidth("00000000") + 32;
    KW_CreateButton(cancelButton, 0, bottom - 42, "Cancel", ALLEGRO_KEY_ESCAPE, "cancel");
    KW_SetButtonSize(cancelButton, buttonW, -1);
    cancelButton.x = right - 10 - cancelButton.width;
    KW_CreateButton(okButton, 0, bottom - 42, "Ok", ALLEGRO_KEY_ENTER, "yes");
    KW_SetButtonSize(okButton, buttonW, -1);
    okButton.x = cancelButton.x - 5 - okButton.width;

    const int fieldY = okButton.y - 10 - (lh + 2);
    previousFocus = kwFocusedField;
    KW_CreateTextField(nameField, "", x + 10, fieldY, static_cast<int>(kPathBufferSize), width - 20);
    KW_FocusTextField(nameField);

    // The file list fills the left, the roots list stands beside it.
    const int rows = std::max(1, height / (lh + 1) - 5);
    fileList.Create(x + 10, y + lh + 8, width - 160, rows);
    fileList.keyboard = true;
    const int driveX = fileList.x + fileList.width + 10;
    driveList.Create(driveX, fileList.y, right - 10 - driveX, rows);
    driveList.highlightSelection = false;
    for (const std::string& root : PlatformDriveRoots()) driveList.AddRow(root);

    created = true;
}

void FileDialogClass::SetStartPath(const std::string& path)
{
    if (!FileDialogIsUsablePath(path)) {
        // Kept as given so that Run refuses it with "Invalid path".
        startFolder = path;
        startFileName.clear();
        return;
    }
    // A path naming an existing folder opens that folder.
    const std::string resolved = FileDialogResolve(path, workingFolder);
    if (!path.empty() && IsExistingFolder(resolved)) {
        startFolder = PlatformJoinPath(resolved, "");
        startFileName.clear();
        return;
    }
    const FileDialogStart start = FileDialogSplitStartPath(path, workingFolder);
    startFolder = start.folder;
    startFileName = start.fileName;
}

void FileDialogClass::AddExtension(const std::string& extension)
{
    if (extension.empty()) return;
    extensions.push_back(extension[0] == '.' ? extension : "." + extension);
}

void FileDialogClass::Close()
{
    if (!created) return;
    fileList.Clear();
    driveList.Clear();
    KW_ReleaseTextField(nameField);
    kwFocusedField = previousFocus;
    extensions.clear();
    workingFolder.clear();
    created = false;
}

void FileDialogClass::EnterFolder(const std::string& folder)
{
    currentFolder = PlatformJoinPath(FileDialogResolve(folder, workingFolder), "");
}

void FileDialogClass::RefillFileList()
{
    fileList.Clear();
    fileList.selected = 0;
    if (!FileDialogIsRoot(currentFolder)) fileList.AddRow(parentMarker);

    DirectoryListClass lister;
    for (const std::string& extension : extensions) lister.AddExtension(extension);
    lister.List(currentFolder, DirectoryListClass::FilesAndFolders, false);
    for (const DirectoryEntry& entry : lister.Entries())
        if (entry.isFolder) fileList.AddRow(FileDialogFolderRow(entry.name));
    for (const DirectoryEntry& entry : lister.Entries())
        if (!entry.isFolder) fileList.AddRow(entry.name);
}

void FileDialogClass::ShowSelectedRow()
{
    if (fileList.selected < 0 || fileList.selected >= fileList.RowCount()) return;
    const std::string& row = fileList.rows[static_cast<size_t>(fileList.selected)].text;
    KW_SetTextFieldText(nameField, FileDialogRowPath(currentFolder, row));
}

FileDialogClass::AcceptOutcome FileDialogClass::Accept(const std::string& text)
{
    if (text.empty()) return AcceptIgnored;
    if (text == parentMarker) {
        currentFolder = FileDialogParentFolder(currentFolder);
        return AcceptEnteredFolder;
    }
    if (!FileDialogIsUsablePath(text)) return AcceptInvalid;

    // Typed names are taken relative to the working folder.
    const std::string resolved = FileDialogResolve(text, workingFolder);
    if (IsExistingFolder(resolved)) {
        EnterFolder(resolved);
        return AcceptEnteredFolder;
    }
    // A name ending in a separator asks for a folder that is not there.
    if (PlatformIsSeparator(text.back())) return AcceptInvalid;

    std::string chosen = text;
    if (!extensions.empty() && !al_filename_exists(resolved.c_str()))
        chosen = FileDialogNewFileName(chosen, extensions);
    if (resultLimit != 0 && chosen.size() > resultLimit) return AcceptTooLong;
    result = chosen;
    return AcceptChosen;
}

bool FileDialogClass::Run()
{
    if (!created) create();
    const std::string caption = FileDialogFilterCaption(extensions);
    if (!FileDialogIsUsablePath(startFolder)) {
        KW_ShowMessage("Invalid path");
        return false;
    }
    EnterFolder(startFolder);
    result.clear();

    bool refill = true;
    bool firstFill = true;
    int shownRow = -1;
    int answer = -1;
    while (answer < 0) {
        // refill after a folder change, and follow the selection
        if (refill) {
            RefillFileList();
            refill = false;
            shownRow = -1;
            if (firstFill && !startFileName.empty()) {
                // Open on the start file: its row when listed, else its name.
                for (int i = 0; i < fileList.RowCount(); ++i)
                    if (fileList.rows[static_cast<size_t>(i)].text == startFileName) fileList.MoveSelection(i);
                if (fileList.RowCount() == 0 ||
                    fileList.rows[static_cast<size_t>(fileList.selected)].text != startFileName) {
                    KW_SetTextFieldText(nameField, PlatformJoinPath(currentFolder, startFileName));
                    shownRow = fileList.selected;
                }
            }
            firstFill = false;
        }
        if (fileList.selected != shownRow && fileList.RowCount() > 0) {
            ShowSelectedRow();
            shownRow = fileList.selected;
        }

        al_clear_to_color(KW_Colour(KWC_Background));
        KW_DrawConsoleUnderDialog();
        KW_DrawWindowFrame(x, y, x + width - 1, y + height - 1, "%s (%s)", title.c_str(), currentFolder.c_str());

        bool accept = false;
        fileList.Update();
        if (fileList.activated >= 0) {
            fileList.activated = -1;
            accept = true;
        }

        driveList.Update();
        if (driveList.activated >= 0) {
            const int row = driveList.activated;
            driveList.activated = -1;
            if (row < driveList.RowCount()) {
                EnterFolder(driveList.rows[static_cast<size_t>(row)].text);
                refill = true;
            }
        }

        KW_DoTextField(nameField);
        if (KW_DoButton(okButton)) accept = true;
        if (accept) {
            switch (Accept(nameField.text)) {
            case AcceptChosen:
                answer = 1;
                break;
            case AcceptEnteredFolder:
                refill = true;
                break;
            case AcceptInvalid:
                KW_ShowMessage("Invalid path");
                break;
            case AcceptTooLong:
                KW_ShowMessage("The path is too long: at most %d characters fit.", static_cast<int>(resultLimit));
                break;
            case AcceptIgnored:
                break;
            }
        }

        if (answer < 0 && KW_DoButton(cancelButton)) answer = 0;

        KW_DrawFontText(kwFont, x + 5, y + height - 1 - KW_LineHeight() - 5, KW_Colour(KWC_Background),
                        caption.c_str());
        KW_PresentFrame();
    }
    return answer == 1;
}

// [SECTION] KW_SelectFile, KW_SelectImageFile

static bool SelectWithDialog(const std::vector<std::string>& extensions, const std::string& title,
                             std::string& path, size_t limit)
{
    KW_ModalScope modal;
    bool chosen;
    {
        FileDialogClass dialog;
        dialog.create();
        dialog.SetStartPath(path);
        dialog.title = title;
        for (const std::string& extension : extensions) dialog.AddExtension(extension);
        dialog.resultLimit = limit;
        chosen = dialog.Run();
        if (chosen) path = dialog.Result();
        dialog.Close();
    }
    return chosen;
}

static bool SelectIntoBuffer(const std::vector<std::string>& extensions, const std::string& title, char* path,
                             size_t pathSize)
{
    if (!path || pathSize == 0) return false;
    std::string chosen(path, strnlen(path, pathSize));
    if (!SelectWithDialog(extensions, title, chosen, pathSize - 1)) return false;
    return FileDialogCopyToBuffer(chosen, path, pathSize);
}

static std::vector<std::string> OneExtension(const std::string& extension)
{
    if (extension.empty()) return {};
    return {extension};
}

static const std::vector<std::string> kImageExtensions = {"BMP", "LBM", "PCX", "PNG", "TGA"};

bool KW_SelectFile(const std::string& extension, const std::string& title, char* path, size_t pathSize)
{
    return SelectIntoBuffer(OneExtension(extension), title, path, pathSize);
}

bool KW_SelectFile(const std::string& extension, const std::string& title, std::string& path)
{
    return SelectWithDialog(OneExtension(extension), title, path, kPathBufferSize - 1);
}

bool KW_SelectImageFile(const std::string& title, char* path, size_t pathSize)
{
    return SelectIntoBuffer(kImageExtensions, title, path, pathSize);
}

bool KW_SelectImageFile(const std::string& title, std::string& path)
{
    return SelectWithDialog(kImageExtensions, title, path, kPathBufferSize - 1);
}
