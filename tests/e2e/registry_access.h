// The real registry of the Wine prefix, as the program sees it: raw bytes and types, so that
// a test can prepare stored settings and check what the program wrote byte for byte.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Bytes = std::vector<uint8_t>;

struct RegistryValue {
    DWORD type = REG_NONE;
    Bytes bytes;
    bool operator==(const RegistryValue& other) const { return type == other.type && bytes == other.bytes; }
};

// Deletes the key with everything under it (under HKEY_CURRENT_USER); true when it is gone
// afterwards, also when it never existed.
bool DeleteKeyTree(const std::string& subkey);

// Writes one value with the given type, creating the key when needed.
bool WriteValue(const std::string& subkey, const std::string& name, DWORD type, const Bytes& bytes);

// Reads one value; nothing when the key or the value is missing.
std::optional<RegistryValue> ReadValue(const std::string& subkey, const std::string& name);

// Every value of the key by name; empty when the key is missing.
std::map<std::string, RegistryValue> ReadAllValues(const std::string& subkey);

// Little-endian encodings of the stored blocks.
Bytes DoubleBytes(std::initializer_list<double> values);
Bytes Int32Bytes(std::initializer_list<int32_t> values);
Bytes DwordBytes(uint32_t value);
// A text as REG_SZ stores it: with its terminating zero.
Bytes TextBytes(const std::string& text);

}  // namespace e2e
