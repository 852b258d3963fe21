#include "win32_registry.h"

namespace {

class Win32RegistryKey : public IRegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}
    ~Win32RegistryKey() override { RegCloseKey(key_); }
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

    bool Read(const char* name, void* buffer, uint32_t capacity, uint32_t& size) override
    {
        DWORD length = capacity;
        const LONG result =
            RegQueryValueExA(key_, name, nullptr, nullptr, static_cast<BYTE*>(buffer), &length);
        size = length;
        return result == ERROR_SUCCESS && length <= capacity;
    }

    bool Write(const char* name, uint32_t type, const void* data, uint32_t size) override
    {
        return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    }

    bool Query(const char* name, uint32_t& type, uint32_t& size) override
    {
        DWORD kind = 0;
        DWORD length = 0;
        if (RegQueryValueExA(key_, name, nullptr, &kind, nullptr, &length) != ERROR_SUCCESS)
            return false;
        type = kind;
        size = length;
        return true;
    }

    bool Delete(const char* name) override
    {
        const LONG result = RegDeleteValueA(key_, name);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }

private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<IRegistryKey> Win32Registry::Open(const char* subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyA(root_, subkey, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::unique_ptr<IRegistryKey>(new Win32RegistryKey(key));
}

std::unique_ptr<IRegistryKey> Win32Registry::Create(const char* subkey)
{
    HKEY key = nullptr;
    if (RegCreateKeyA(root_, subkey, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::unique_ptr<IRegistryKey>(new Win32RegistryKey(key));
}
