// A portable program's settings file (tallyra.ini) as the driver reads it, on its own terms:
// one [section] per registry key, one name=type:value line per value. Every line the program
// writes is one of these forms; whatever else a file holds is listed, not guessed at.
#pragma once

#include "registry_access.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct SettingsFile {
    // The values of each section, by the key and value names as written.
    std::map<std::string, std::map<std::string, RegistryValue>> sections;
    // Lines that are no comment, blank, section or value the format knows.
    std::vector<std::string> unreadable;

    const std::map<std::string, RegistryValue>& Section(const std::string& key) const;
};

SettingsFile ParseSettingsFile(const std::string& text);

// A value in a failure message: its type and bytes.
void PrintTo(const RegistryValue& value, std::ostream* out);

// Lines of the file's form, for a test to plant: "name=binary:hex", "name=dword:N",
// "name=string:text" (the text without backslashes or control characters).
std::string BinaryLine(const std::string& name, const Bytes& bytes);
std::string DwordLine(const std::string& name, uint32_t value);
std::string StringLine(const std::string& name, const std::string& text);

}  // namespace e2e
