// DirectoryListClass: lists a folder's files (and folders) through Allegro's
// file-system entries, filtered by extension, depth first when recursive.
#include "kwui/dirlist.h"

#include "platform/platform.h"

#include <allegro5/allegro.h>

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

    while (ALLEGRO_FS_ENTRY* item = al_read_directory(dir)) {
        const bool isFolder = (al_get_fs_entry_mode(item) & ALLEGRO_FILEMODE_ISDIR) != 0;
        const std::string fullPath = PlatformCanonicalPath(al_get_fs_entry_name(item));
        const std::string name = LastComponent(fullPath);
        const int64_t size = static_cast<int64_t>(al_get_fs_entry_size(item));
        al_destroy_fs_entry(item);

        bool keep;
        if (isFolder)
            keep = mode != FilesOnly;
        else
            keep = mode != FoldersOnly && Accepts(name);

        if (keep) {
            DirectoryEntry entry;
            entry.name = name;
            entry.fullPath = fullPath;
            entry.isFolder = isFolder;
            entry.size = size;
            if (fullPath.size() >= rootPrefix.size() &&
                PlatformEqualsNoCase(fullPath.substr(0, rootPrefix.size()), rootPrefix))
                entry.relativePath = fullPath.substr(rootPrefix.size());
            else
                entry.relativePath = fullPath;
            entries.push_back(entry);
        }
        if (isFolder && recursive) ListFolder(fullPath);
    }
    al_close_directory(dir);
    al_destroy_fs_entry(dir);
}
