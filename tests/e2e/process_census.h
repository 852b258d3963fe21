// What a running program holds, counted from outside: its GDI objects and its windows. Under
// Wine GetGuiResources always answers 0, so the GDI objects are counted in the process's own
// GDI handle table, which its PEB points to and another process can read.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace e2e {

struct Census {
    int gdiObjects = 0;
    int windows = 0;               // top-level windows and all their children
    std::map<int, int> gdiByType;  // the table's type byte: how many of each
};

// Nothing when the process cannot be opened or read.
std::optional<Census> TakeCensus(DWORD pid);

std::string Describe(const Census& census);

// Which kinds of GDI object differ between two counts, e.g. "DC +3, font -1"; empty if none.
std::string DescribeChange(const Census& before, const Census& after);

}  // namespace e2e
