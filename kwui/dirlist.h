// Folder listing by extension, optionally recursive. Each folder's entries
// come folders first, then files, each sorted by name (see
// DirectoryCompareNames); a recursive listing descends into a folder where
// it is met.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DirectoryEntry {
    std::string name;          // file name, or the folder's own name
    std::string fullPath;      // canonical
    std::string relativePath;  // full path less the listed root
    bool isFolder = false;
    int64_t size = 0;
};

// Name order as people read it: case is ignored and runs of digits compare
// by their value ("level2" before "level10", "Map" next to "map"). Names
// that only differ in case or leading zeros still get a fixed order.
// Negative, zero or positive like strcmp.
int DirectoryCompareNames(const std::string& a, const std::string& b);
// Folders first, then files, each in DirectoryCompareNames order.
bool DirectoryEntryBefore(const DirectoryEntry& a, const DirectoryEntry& b);

class DirectoryListClass {
public:
    enum Mode { FilesAndFolders = 0, FilesOnly = 1, FoldersOnly = 2 };

    DirectoryListClass() = default;
    ~DirectoryListClass() { Clear(); }

    void AddExtension(const std::string& extension);
    void ClearExtensions() { extensions.clear(); }
    void List(const std::string& folder, int mode, bool recursive);
    void Clear();

    // True when the file name passes the extension filter.
    bool Accepts(const std::string& fileName) const;

    const std::vector<DirectoryEntry>& Entries() const { return entries; }

    std::vector<std::string> extensions;
    std::string root;
    int mode = 0;
    bool recursive = false;
    std::vector<DirectoryEntry> entries;
    bool listed = false;

private:
    void ListFolder(const std::string& folder);
};
