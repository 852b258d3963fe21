#pragma once
#include <map>
#include <string>
#include <vector>

#include "registry_port.h"

// A registry in memory for the tests. It keeps every write in order, and can be told to
// refuse opening or creating keys, as a locked-down or broken registry would.
class MemoryRegistry : public IRegistry {
public:
    struct Value {
        uint32_t type = 0;
        std::vector<uint8_t> bytes;
    };
    struct Write {
        std::string subkey;
        std::string name;
        Value value;
    };

    std::unique_ptr<IRegistryKey> Open(const char* subkey) override;
    std::unique_ptr<IRegistryKey> Create(const char* subkey) override;

    // Test helpers.
    void Set(const std::string& subkey, const std::string& name, uint32_t type, std::vector<uint8_t> bytes);
    void Remove(const std::string& subkey, const std::string& name);
    const Value* Find(const std::string& subkey, const std::string& name) const;

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<Write> writes;
    bool refuseOpen = false;
    bool refuseCreate = false;
};
