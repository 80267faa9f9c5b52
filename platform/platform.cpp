// Linux (POSIX) and Windows implementations of the platform services.
#include "platform/platform.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

int64_t PlatformMillis()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

PlatformDateTime PlatformUtcNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const int64_t ms = duration_cast<milliseconds>(now.time_since_epoch()).count();
    const time_t secs = static_cast<time_t>(ms / 1000);
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &secs);
#else
    gmtime_r(&secs, &parts);
#endif
    PlatformDateTime dt;
    dt.year = parts.tm_year + 1900;
    dt.month = parts.tm_mon + 1;
    dt.day = parts.tm_mday;
    dt.hour = parts.tm_hour;
    dt.minute = parts.tm_min;
    dt.second = parts.tm_sec;
    dt.millisecond = static_cast<int>(ms % 1000);
    return dt;
}

char PlatformSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

bool PlatformIsSeparator(char c)
{
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

std::string PlatformJoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty()) return name;
    std::string joined = folder;
    const char last = folder.back();
    if (last != '/' && last != '\\') joined += PlatformSeparator();
    joined += name;
    return joined;
}

bool PlatformIsAbsolutePath(const std::string& path)
{
    if (path.empty()) return false;
    if (path[0] == '/') return true;
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':') return true;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return true;
#endif
    return false;
}

std::string PlatformWorkingFolder()
{
    char buffer[4096];
#ifdef _WIN32
    if (_getcwd(buffer, sizeof buffer) == nullptr) return ".";
#else
    if (getcwd(buffer, sizeof buffer) == nullptr) return ".";
#endif
    return buffer;
}

std::string PlatformCanonicalPath(const std::string& path)
{
    std::string full = PlatformIsAbsolutePath(path) ? path : PlatformJoinPath(PlatformWorkingFolder(), path);
    std::string prefix;
#ifdef _WIN32
    if (full.size() >= 2 && full[1] == ':') {
        prefix = full.substr(0, 2);
        full = full.substr(2);
    }
#endif
    const bool trailing = !full.empty() && PlatformIsSeparator(full.back());
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&]() {
        if (part.empty() || part == ".") {
        } else if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : full) {
        if (PlatformIsSeparator(c)) flush();
        else part += c;
    }
    flush();
    std::string result = prefix;
    for (const auto& p : parts) {
        result += PlatformSeparator();
        result += p;
    }
    if (parts.empty() || trailing) result += PlatformSeparator();
    return result;
}

std::string PlatformHomeFolder()
{
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
    return home ? home : "C:\\";
#else
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = getpwuid(getuid())) return pw->pw_dir;
    return "/";
#endif
}

#ifndef _WIN32
static bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Mount points one level below a folder (as desktop systems mount media).
static void AddMountsUnder(const std::string& folder, std::vector<std::string>& roots)
{
    FILE* mounts = std::fopen("/proc/mounts", "r");
    if (!mounts) return;
    char device[1024], point[1024];
    while (std::fscanf(mounts, "%1023s %1023s %*[^\n]", device, point) == 2) {
        std::string mount = point;
        if (mount.size() > folder.size() && mount.compare(0, folder.size(), folder) == 0 && IsFolder(mount))
            roots.push_back(mount);
    }
    std::fclose(mounts);
}
#endif

std::vector<std::string> PlatformDriveRoots()
{
    std::vector<std::string> roots;
#ifdef _WIN32
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (drives & (1u << i)) roots.push_back(std::string(1, char('A' + i)) + ":\\");
#else
    roots.push_back("/");
    const std::string home = PlatformHomeFolder();
    if (home != "/") roots.push_back(home);
    const char* user = std::getenv("USER");
    AddMountsUnder("/media/", roots);
    if (user && *user) AddMountsUnder(std::string("/run/media/") + user + "/", roots);
    AddMountsUnder("/mnt/", roots);
#endif
    return roots;
}

bool PlatformIsFileSystemRoot(const std::string& path)
{
#ifdef _WIN32
    return path.size() <= 3 && path.size() >= 2 && path[1] == ':';
#else
    for (char c : path)
        if (c != '/') return false;
    return !path.empty();
#endif
}

int PlatformCompareNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const int ca = std::tolower(static_cast<unsigned char>(*a));
        const int cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0) return ca - cb;
    }
}

bool PlatformEqualsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && PlatformCompareNoCase(a.c_str(), b.c_str()) == 0;
}

bool PlatformReplaceFile(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

std::string PlatformGetEnv(const char* name)
{
    const char* value = name ? std::getenv(name) : nullptr;
    return value ? value : "";
}

std::string PlatformExecutablePath()
{
#ifdef _WIN32
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
#else
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 && static_cast<size_t>(length) < sizeof path ? std::string(path, static_cast<size_t>(length))
                                                                   : std::string();
#endif
}

bool PlatformIsFolder(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR;
}

bool PlatformIsFile(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFREG;
}

bool PlatformMakeFolders(const std::string& path)
{
    if (path.empty()) return false;
    if (PlatformIsFolder(path)) return true;
    // Parents first, each at the separator that ends it.
    for (size_t end = 1; end <= path.size(); ++end) {
        if (end < path.size() && !PlatformIsSeparator(path[end])) continue;
        const std::string folder = path.substr(0, end);
        if (PlatformIsFolder(folder)) continue;
#ifdef _WIN32
        if (_mkdir(folder.c_str()) != 0 && !PlatformIsFolder(folder)) return false;
#else
        if (mkdir(folder.c_str(), 0700) != 0 && !PlatformIsFolder(folder)) return false;
#endif
    }
    return PlatformIsFolder(path);
}

bool PlatformCanWriteFolder(const std::string& path)
{
#ifdef _WIN32
    return PlatformIsFolder(path);
#else
    return PlatformIsFolder(path) && access(path.c_str(), W_OK | X_OK) == 0;
#endif
}
