// DirectoryListClass: lists a folder's files (and folders) through Allegro's
// file-system entries, filtered by extension, sorted, depth first when
// recursive.
#include "kwui/dirlist.h"

#include "platform/platform.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <cctype>

// [SECTION] Name order

static bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

int DirectoryCompareNames(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Two numbers: leading zeros aside, the longer is the larger.
            while (i + 1 < a.size() && a[i] == '0' && IsDigit(a[i + 1])) ++i;
            while (j + 1 < b.size() && b[j] == '0' && IsDigit(b[j + 1])) ++j;
            size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA])) ++endA;
            while (endB < b.size() && IsDigit(b[endB])) ++endB;
            if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
            const int digits = a.compare(i, endA - i, b, j, endB - j);
            if (digits != 0) return digits < 0 ? -1 : 1;
            i = endA;
            j = endB;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    // The same name read this way ("Map" and "map", "level3" and "level03").
    int tie = PlatformCompareNoCase(a.c_str(), b.c_str());
    if (tie == 0) tie = a.compare(b);
    return tie < 0 ? -1 : (tie > 0 ? 1 : 0);
}

bool DirectoryEntryBefore(const DirectoryEntry& a, const DirectoryEntry& b)
{
    if (a.isFolder != b.isFolder) return a.isFolder;
    return DirectoryCompareNames(a.name, b.name) < 0;
}

// [SECTION] Listing

void DirectoryListClass::AddExtension(const std::string& extension)
{
    if (extension.empty()) return;
    extensions.push_back(extension[0] == '.' ? extension : "." + extension);
}

void DirectoryListClass::Clear()
{
    entries.clear();
    listed = false;
}

bool DirectoryListClass::Accepts(const std::string& fileName) const
{
    if (extensions.empty()) return true;
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string extension = fileName.substr(dot);
    for (const std::string& wanted : extensions)
        if (PlatformEqualsNoCase(extension, wanted)) return true;
    return false;
}

static std::string LastComponent(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && PlatformIsSeparator(trimmed.back())) trimmed.pop_back();
    const size_t cut = trimmed.find_last_of("/\\");
    return cut == std::string::npos ? trimmed : trimmed.substr(cut + 1);
}

void DirectoryListClass::List(const std::string& folder, int listMode, bool listRecursive)
{
    Clear();
    mode = listMode;
    recursive = listRecursive;
    root = PlatformCanonicalPath(folder.empty() ? "." : folder);
    listed = true;

    const std::string probe = PlatformIsSeparator(root.back()) ? root + "." : root;
    if (!al_filename_exists(probe.c_str())) return;
    ListFolder(root);
}

void DirectoryListClass::ListFolder(const std::string& folder)
{
    ALLEGRO_FS_ENTRY* dir = al_create_fs_entry(folder.c_str());
    if (!dir) return;
    if (!al_open_directory(dir)) {
        al_destroy_fs_entry(dir);
        return;
    }

    std::string rootPrefix = root;
    if (!PlatformIsSeparator(rootPrefix.back())) rootPrefix += PlatformSeparator();

    // The file system hands entries out in no useful order: read them all,
    // sort, then keep and descend in that order.
    std::vector<DirectoryEntry> found;
    while (ALLEGRO_FS_ENTRY* item = al_read_directory(dir)) {
        DirectoryEntry entry;
        entry.isFolder = (al_get_fs_entry_mode(item) & ALLEGRO_FILEMODE_ISDIR) != 0;
        entry.fullPath = PlatformCanonicalPath(al_get_fs_entry_name(item));
        entry.name = LastComponent(entry.fullPath);
        entry.size = static_cast<int64_t>(al_get_fs_entry_size(item));
        al_destroy_fs_entry(item);
        found.push_back(std::move(entry));
    }
    al_close_directory(dir);
    al_destroy_fs_entry(dir);
    std::sort(found.begin(), found.end(), DirectoryEntryBefore);

    for (DirectoryEntry& entry : found) {
        bool keep;
        if (entry.isFolder)
            keep = mode != FilesOnly;
        else
            keep = mode != FoldersOnly && Accepts(entry.name);

        const std::string fullPath = entry.fullPath;
        const bool descend = entry.isFolder && recursive;
        if (keep) {
            if (fullPath.size() >= rootPrefix.size() &&
                PlatformEqualsNoCase(fullPath.substr(0, rootPrefix.size()), rootPrefix))
                entry.relativePath = fullPath.substr(rootPrefix.size());
            else
                entry.relativePath = fullPath;
            entries.push_back(std::move(entry));
        }
        if (descend) ListFolder(fullPath);
    }
}
