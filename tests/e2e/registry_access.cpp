#include "registry_access.h"

#include <cstring>

namespace e2e {

bool DeleteKeyTree(const std::string& subkey)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, subkey.c_str());
    // RegDeleteTreeA empties the key but leaves the key itself.
    RegDeleteKeyA(HKEY_CURRENT_USER, subkey.c_str());
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return false;
    }
    return true;
}

bool WriteValue(const std::string& subkey, const std::string& name, DWORD type, const Bytes& bytes)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(key, name.c_str(), 0, type, bytes.empty() ? nullptr : bytes.data(),
                                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::optional<RegistryValue> ReadValue(const std::string& subkey, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::map<std::string, RegistryValue> ReadAllValues(const std::string& subkey)
{
    std::map<std::string, RegistryValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    DWORD count = 0, longestName = 0, longestData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                     &longestData, nullptr, nullptr);
    std::string name(longestName + 1, '\0');
    Bytes data(longestData);
    for (DWORD index = 0; index < count; ++index) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        if (RegEnumValueA(key, index, &name[0], &nameSize, nullptr, &type, data.data(), &dataSize) !=
            ERROR_SUCCESS)
            break;
        values[name.substr(0, nameSize)] = RegistryValue{type, Bytes(data.begin(), data.begin() + dataSize)};
    }
    RegCloseKey(key);
    return values;
}

Bytes DoubleBytes(std::initializer_list<double> values)
{
    Bytes bytes;
    for (double value : values) {
        uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i)
            bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    }
    return bytes;
}

Bytes Int32Bytes(std::initializer_list<int32_t> values)
{
    Bytes bytes;
    for (int32_t value : values) {
        const uint32_t bits = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    }
    return bytes;
}

Bytes DwordBytes(uint32_t value)
{
    return Int32Bytes({static_cast<int32_t>(value)});
}

Bytes TextBytes(const std::string& text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

}  // namespace e2e
