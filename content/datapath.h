// Where content comes from: the base folder, the optional mod folder that
// overrides single files, and the join rule.
#pragma once

#include <cstddef>
#include <string>

extern bool gUseModFolder;
extern std::string gModFolder;
extern const char* const kBaseFolder;  // "base/"

// Rewrites a relative content path in place (buffer of bufferSize bytes).
// A result that does not fit leaves the buffer as it was and returns false.
bool ResolveDataPath(char* path, size_t bufferSize);
std::string ResolveDataPath(const std::string& path);
// The path under the mod folder when one is set, else under base/, without
// looking at the disk.
std::string GetDataPath(const std::string& relativePath);
