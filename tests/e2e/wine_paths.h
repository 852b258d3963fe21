// CMake hands the driver host paths (/work/...), while CreateProcessA and CreateFileA under
// Wine want Windows paths. Also the driver's whole-file reads and writes by Windows path.
#pragma once

#include <cstddef>
#include <optional>
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

// Creates or replaces the file with exactly these bytes; false when it could not be written.
bool WriteWholeFile(const std::string& windowsPath, const void* data, size_t size);

// Every byte of the file; nothing when it cannot be opened. A writer that keeps the file open
// for writing does not stop the read, and the read does not stop a program from replacing the
// file meanwhile.
std::optional<std::string> ReadWholeFile(const std::string& windowsPath);

// The folder the driver runs from, with its trailing backslash: its helper programs and the
// probe library are built next to it.
std::string DriverFolder();

}  // namespace e2e
