// The toolkit's modal file dialog (FileDialogClass) and its two wrappers,
// KW_SelectFile and KW_SelectImageFile, with the path rules they rest on.
#pragma once

#include "kwui/button.h"
#include "kwui/listbox.h"
#include "kwui/textfield.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Every path buffer handed to the file dialog holds at least this many bytes.
constexpr size_t kPathBufferSize = 4096;

// [SECTION] Path rules (plain functions, no disk access)

// Resolves a typed or stored path against a folder: relative text is joined
// to the folder, then "." and ".." are folded away. A trailing separator stays.
std::string FileDialogResolve(const std::string& text, const std::string& folder);

// A start path split into the folder to list (absolute, ending in the
// separator) and the file name (empty when the path ends in a separator).
struct FileDialogStart {
    std::string folder;
    std::string fileName;
};
FileDialogStart FileDialogSplitStartPath(const std::string& startPath, const std::string& workingFolder);

// Start paths the dialog refuses with "Invalid path": too long for a path
// buffer, or holding control characters.
bool FileDialogIsUsablePath(const std::string& text);

// "Showing all files", or "Showing:" followed by " *" and each extension.
std::string FileDialogFilterCaption(const std::vector<std::string>& extensions);

// Replaces the extension of the path's file name with the given one (which
// carries its leading "."), or adds it when the name has none.
std::string FileDialogApplyExtension(const std::string& path, const std::string& extension);
// A typed name for a new file: kept when it already ends in one of the offered
// extensions (any case: "out.tga" stays a TGA), else given the first one.
std::string FileDialogNewFileName(const std::string& path, const std::vector<std::string>& extensions);

// True for the file-system root, where no ".." row is offered.
bool FileDialogIsRoot(const std::string& folder);

// A folder as the file list shows it: its name and the native separator.
std::string FileDialogFolderRow(const std::string& name);
bool FileDialogIsFolderRow(const std::string& row);

// The folder above (ending in the separator); the root stays the root.
std::string FileDialogParentFolder(const std::string& folder);

// The name field's text for a file-list row: the parent for "..", else the
// row joined to the current folder.
std::string FileDialogRowPath(const std::string& currentFolder, const std::string& row);

// Copies a chosen path into a caller's buffer. A path that does not fit
// (terminator included) is refused and the buffer is left as it was.
bool FileDialogCopyToBuffer(const std::string& path, char* buffer, size_t bufferSize);

// [SECTION] The dialog

class FileDialogClass {
public:
    int x = 0, y = 0, width = 0, height = 0;
    std::string parentMarker = "..";
    std::string title = "Select File";
    std::string currentFolder;  // absolute, ending in the separator
    std::string workingFolder;  // relative names are resolved against it
    ListBoxClass fileList, driveList;
    KW_TextField nameField;
    KW_Button okButton, cancelButton;
    std::vector<std::string> extensions;  // each with its leading "."
    std::string startFileName, startFolder;
    std::string result;
    // The longest result the caller can take (0: no limit); a longer one is
    // refused with a message and the dialog stays open.
    size_t resultLimit = 0;
    bool created = false;
    uint8_t previousFocus = 0;  // the field that had the keyboard before

    FileDialogClass() = default;
    FileDialogClass(const FileDialogClass&) = delete;
    FileDialogClass& operator=(const FileDialogClass&) = delete;
    ~FileDialogClass() { Close(); }

    void create();
    void SetStartPath(const std::string& path);
    void AddExtension(const std::string& extension);
    // The modal loop; true when a file was chosen (see Result).
    bool Run();
    const std::string& Result() const { return result; }
    void Close();

    // [SECTION] Steps of the loop without drawing (used by Run and the tests)

    // Lists the current folder: ".." unless at the root, then the folders
    // (name and separator), then the files, each group sorted by name as the
    // directory listing sorts it (case ignored, numbers by value).
    void RefillFileList();
    // The name field follows the selected row.
    void ShowSelectedRow();
    enum AcceptOutcome { AcceptIgnored, AcceptEnteredFolder, AcceptChosen, AcceptInvalid, AcceptTooLong };
    // What "Ok" does with the name field's text.
    AcceptOutcome Accept(const std::string& text);
    // Makes the folder (resolved against the working folder) the current one.
    void EnterFolder(const std::string& folder);
};

// Opens a fresh dialog at the path in the caller's buffer and writes the
// chosen path back. A chosen path longer than the buffer is refused.
bool KW_SelectFile(const std::string& extension, const std::string& title, char* path, size_t pathSize);
bool KW_SelectFile(const std::string& extension, const std::string& title, std::string& path);
template <size_t N>
bool KW_SelectFile(const std::string& extension, const std::string& title, char (&path)[N])
{
    static_assert(N >= kPathBufferSize, "path buffers hold at least 4096 bytes");
    return KW_SelectFile(extension, title, path, N);
}

// The same for the image formats BMP, LBM, PCX and TGA.
bool KW_SelectImageFile(const std::string& title, char* path, size_t pathSize);
bool KW_SelectImageFile(const std::string& title, std::string& path);
template <size_t N>
bool KW_SelectImageFile(const std::string& title, char (&path)[N])
{
    static_assert(N >= kPathBufferSize, "path buffers hold at least 4096 bytes");
    return KW_SelectImageFile(title, path, N);
}
