// CMake hands the driver host paths (/work/...), while CreateProcessA and CreateFileA under
// Wine want Windows paths.
#pragma once

#include <string>

namespace e2e {

// A path that starts with "/" becomes the Windows path Wine maps it to; any other path is
// returned unchanged, so Windows paths and a run on Windows itself work too.
std::string ToWindowsPath(const std::string& path);

// True when the driver runs under Wine rather than on Windows itself.
bool RunningUnderWine();

// Creates the folder and any missing parents; true when it exists afterwards.
bool EnsureFolder(const std::string& windowsPath);

// Joins a folder and a file name with one backslash.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace e2e
