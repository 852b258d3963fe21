#include "memory_registry.h"

#include <cstring>

namespace {

class MemoryKey : public IRegistryKey {
public:
    MemoryKey(MemoryRegistry& registry, std::string subkey) : registry_(registry), subkey_(std::move(subkey))
    {
    }

    bool Read(const char* name, void* buffer, uint32_t capacity, uint32_t& size) override
    {
        const MemoryRegistry::Value* value = registry_.Find(subkey_, name);
        if (value == nullptr)
            return false;
        size = static_cast<uint32_t>(value->bytes.size());
        if (size > capacity) {
            // As the Windows registry may: a value that does not fit leaves the buffer spoiled.
            std::memset(buffer, 0xCD, capacity);
            return false;
        }
        if (size > 0)
            std::memcpy(buffer, value->bytes.data(), size);
        return true;
    }

    bool Write(const char* name, uint32_t type, const void* data, uint32_t size) override
    {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        registry_.Set(subkey_, name, type, std::vector<uint8_t>(bytes, bytes + size));
        registry_.writes.push_back({subkey_, name, *registry_.Find(subkey_, name)});
        return true;
    }

    bool Query(const char* name, uint32_t& type, uint32_t& size) override
    {
        const MemoryRegistry::Value* value = registry_.Find(subkey_, name);
        if (value == nullptr)
            return false;
        type = value->type;
        size = static_cast<uint32_t>(value->bytes.size());
        return true;
    }

    bool Delete(const char* name) override
    {
        registry_.Remove(subkey_, name);
        return true;
    }

private:
    MemoryRegistry& registry_;
    std::string subkey_;
};

}  // namespace

std::unique_ptr<IRegistryKey> MemoryRegistry::Open(const char* subkey)
{
    if (refuseOpen || keys.find(subkey) == keys.end())
        return nullptr;
    return std::unique_ptr<IRegistryKey>(new MemoryKey(*this, subkey));
}

std::unique_ptr<IRegistryKey> MemoryRegistry::Create(const char* subkey)
{
    if (refuseCreate)
        return nullptr;
    keys[subkey];
    return std::unique_ptr<IRegistryKey>(new MemoryKey(*this, subkey));
}

void MemoryRegistry::Set(const std::string& subkey, const std::string& name, uint32_t type,
                         std::vector<uint8_t> bytes)
{
    Value& value = keys[subkey][name];
    value.type = type;
    value.bytes = std::move(bytes);
}

void MemoryRegistry::Remove(const std::string& subkey, const std::string& name)
{
    auto key = keys.find(subkey);
    if (key != keys.end())
        key->second.erase(name);
}

const MemoryRegistry::Value* MemoryRegistry::Find(const std::string& subkey, const std::string& name) const
{
    auto key = keys.find(subkey);
    if (key == keys.end())
        return nullptr;
    auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
}
