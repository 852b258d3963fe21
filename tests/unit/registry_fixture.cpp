#include "registry_fixture.h"

#include "memory_registry.h"
#include "registry_values.h"

#ifdef _WIN32
#include <windows.h>

#include "win32_registry.h"
#endif

namespace {

class MemoryTestRegistry : public TestRegistry {
public:
    IRegistry& Registry() override { return memory_; }
    void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
                  const std::vector<uint8_t>& bytes) override
    {
        memory_.Set(subkey, name, type, bytes);
    }
    bool GetValue(const std::string& subkey, const std::string& name, uint32_t& type,
                  std::vector<uint8_t>& bytes) override
    {
        const MemoryRegistry::Value* value = memory_.Find(subkey, name);
        if (value == nullptr)
            return false;
        type = value->type;
        bytes = value->bytes;
        return true;
    }
    void DeleteValue(const std::string& subkey, const std::string& name) override
    {
        memory_.Remove(subkey, name);
    }
    std::vector<std::string> WriteOrder(const std::string& subkey) override
    {
        std::vector<std::string> names;
        for (const MemoryRegistry::Write& write : memory_.writes)
            if (write.subkey == subkey)
                names.push_back(write.name);
        return names;
    }
    bool Refuse(bool open, bool create) override
    {
        memory_.refuseOpen = open;
        memory_.refuseCreate = create;
        return true;
    }

private:
    MemoryRegistry memory_;
};

#ifdef _WIN32
class Win32TestRegistry : public TestRegistry {
public:
    Win32TestRegistry()
    {
        path_ = "Software\\TallyraTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount());
        RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), &root_);
        registry_.reset(new Win32Registry(root_));
    }
    ~Win32TestRegistry() override
    {
        registry_.reset();
        RegCloseKey(root_);
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    IRegistry& Registry() override { return *registry_; }
    void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
                  const std::vector<uint8_t>& bytes) override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(root_, subkey.c_str(), &key), ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
    bool GetValue(const std::string& subkey, const std::string& name, uint32_t& type,
                  std::vector<uint8_t>& bytes) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyA(root_, subkey.c_str(), &key) != ERROR_SUCCESS)
            return false;
        DWORD size = 0;
        DWORD valueType = 0;
        bool found =
            RegQueryValueExA(key, name.c_str(), nullptr, &valueType, nullptr, &size) == ERROR_SUCCESS;
        if (found) {
            bytes.assign(size, 0);
            found = RegQueryValueExA(key, name.c_str(), nullptr, &valueType, bytes.data(), &size) ==
                    ERROR_SUCCESS;
            type = valueType;
        }
        RegCloseKey(key);
        return found;
    }
    void DeleteValue(const std::string& subkey, const std::string& name) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyA(root_, subkey.c_str(), &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, name.c_str());
            RegCloseKey(key);
        }
    }
    std::vector<std::string> WriteOrder(const std::string&) override { return {}; }
    bool Refuse(bool, bool) override { return false; }

private:
    std::string path_;
    HKEY root_ = nullptr;
    std::unique_ptr<Win32Registry> registry_;
};
#endif

}  // namespace

std::unique_ptr<TestRegistry> MakeTestRegistry(const std::string& kind)
{
#ifdef _WIN32
    if (kind == "Win32")
        return std::unique_ptr<TestRegistry>(new Win32TestRegistry);
#endif
    (void)kind;
    return std::unique_ptr<TestRegistry>(new MemoryTestRegistry);
}

std::vector<std::string> TestRegistryKinds()
{
#ifdef _WIN32
    return {"Memory", "Win32"};
#else
    return {"Memory"};
#endif
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

std::vector<uint8_t> Text(const std::string& text)
{
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<uint8_t> Words(std::initializer_list<uint32_t> values)
{
    std::vector<uint8_t> bytes(values.size() * 4);
    size_t i = 0;
    for (uint32_t v : values)
        PutWord(&bytes[4 * i++], v);
    return bytes;
}
