// Operating-system services: clocks, paths, drive roots and text compares.
// Everything that differs between Linux and Windows lives behind these calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Wall-clock date and time in UTC, with milliseconds.
struct PlatformDateTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Milliseconds from a monotonic clock (never jumps with the wall clock).
int64_t PlatformMillis();
PlatformDateTime PlatformUtcNow();

// Path helpers. Paths are plain strings; the native separator joins them.
char PlatformSeparator();
bool PlatformIsSeparator(char c);
// Adds the native separator unless the folder is empty or already ends in
// "/" or "\"; then appends the name.
std::string PlatformJoinPath(const std::string& folder, const std::string& name);
bool PlatformIsAbsolutePath(const std::string& path);
// Absolute, with "." and ".." folded away and duplicate separators removed.
// Does not touch the disk beyond asking for the working folder.
std::string PlatformCanonicalPath(const std::string& path);
std::string PlatformWorkingFolder();
std::string PlatformHomeFolder();
// The roots a file dialog offers in place of drive letters.
std::vector<std::string> PlatformDriveRoots();
// True when the path names the root of its file system ("/", or "C:\").
bool PlatformIsFileSystemRoot(const std::string& path);

// Case-insensitive compare (ASCII), like strcmp.
int PlatformCompareNoCase(const char* a, const char* b);
bool PlatformEqualsNoCase(const std::string& a, const std::string& b);

// An environment variable's value; "" when it is unset.
std::string PlatformGetEnv(const char* name);
// The running program's own file, absolute ("" when the system cannot say).
std::string PlatformExecutablePath();
bool PlatformIsFolder(const std::string& path);
bool PlatformIsFile(const std::string& path);
// Creates the folder and any missing parents, each new one readable and
// writable by the owner only. True when the folder exists afterwards.
bool PlatformMakeFolders(const std::string& path);
// True when the process may create files in the folder.
bool PlatformCanWriteFolder(const std::string& path);

// Replace a file atomically: renames from over to (same folder).
bool PlatformReplaceFile(const std::string& from, const std::string& to);
