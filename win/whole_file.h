#pragma once
#include <windows.h>

#include <string>

// Writes `bytes` as the whole of the file `path`, or leaves it as it was: the new content goes
// to a file beside it (its name and ".tmp"), which is flushed to the disk and then moved over
// the old one in one step, so that a program ended at any moment leaves the old file or the
// new one, never part of either. A read-only file is left alone. False, with the system's
// reason, when it could not be written.
bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& reason);

// The system's words for an error code, with its number.
std::string DescribeError(DWORD error);
