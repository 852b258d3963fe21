#include "registry_fixture.h"

#include <functional>

#include "ini_registry.h"
#include "memory_registry.h"
#include "memory_settings_file.h"
#include "registry_values.h"

#ifdef _WIN32
#include <windows.h>

#include "win32_registry.h"
#include "win32_settings_file.h"
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

// The registry of a portable program, kept in a settings file. Each call of Registry() makes a
// new store, as each run of the program does, so that it reads what the test planted in the
// file or what the last store saved there; the raw access reads and replaces the file whole.
class IniTestRegistry : public TestRegistry {
public:
    explicit IniTestRegistry(std::function<std::unique_ptr<ISettingsFile>()> open) : open_(std::move(open)) {}
    IRegistry& Registry() override
    {
        registry_.reset(new IniRegistry(open_(), nullptr));
        return *registry_;
    }
    void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
                  const std::vector<uint8_t>& bytes) override
    {
        IniDocument document = Stored();
        document.Section(subkey).Set(name, type, std::string(bytes.begin(), bytes.end()));
        Store(document);
    }
    bool GetValue(const std::string& subkey, const std::string& name, uint32_t& type,
                  std::vector<uint8_t>& bytes) override
    {
        const IniDocument document = Stored();
        const IniSection* section = document.Find(subkey);
        const IniValue* value = section != nullptr ? section->Find(name) : nullptr;
        if (value == nullptr)
            return false;
        type = value->type;
        bytes.assign(value->bytes.begin(), value->bytes.end());
        return true;
    }
    void DeleteValue(const std::string& subkey, const std::string& name) override
    {
        IniDocument document = Stored();
        if (IniSection* section = document.Find(subkey))
            for (auto it = section->values.begin(); it != section->values.end(); ++it)
                if (it->name == name) {
                    section->values.erase(it);
                    break;
                }
        Store(document);
    }
    // The file keeps a section's values in the order they were first written.
    std::vector<std::string> WriteOrder(const std::string& subkey) override
    {
        std::vector<std::string> names;
        const IniDocument document = Stored();
        if (const IniSection* section = document.Find(subkey))
            for (const IniValue& value : section->values)
                names.push_back(value.name);
        return names;
    }
    // Its keys are sections of a file that is there: its failures are the file's, tested on
    // their own.
    bool Refuse(bool, bool) override { return false; }

private:
    IniDocument Stored()
    {
        std::string bytes;
        std::string reason;
        EXPECT_EQ(open_()->Read(bytes, kMaxSettingsFileBytes, reason), FileRead::Read) << reason;
        return IniDocument::Parse(bytes.data(), bytes.size());
    }
    void Store(const IniDocument& document)
    {
        std::string reason;
        EXPECT_TRUE(open_()->Replace(document.Write(), reason)) << reason;
    }

    std::function<std::unique_ptr<ISettingsFile>()> open_;
    std::unique_ptr<IniRegistry> registry_;
};

class MemoryIniTestRegistry : public IniTestRegistry {
public:
    MemoryIniTestRegistry()
        : IniTestRegistry([this] { return std::unique_ptr<ISettingsFile>(new MemorySettingsFile(file_)); })
    {
    }

private:
    MemoryFileState file_;  // an empty file: how a user makes the program portable
};

#ifdef _WIN32
// A real file in a scratch folder, read and replaced through the programs' own Win32 code.
class Win32IniTestRegistry : public IniTestRegistry {
public:
    Win32IniTestRegistry()
        : IniTestRegistry([this] { return std::unique_ptr<ISettingsFile>(new Win32SettingsFile(path_)); })
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "tallyra-tests-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(GetTickCount());
        CreateDirectoryA(folder_.c_str(), nullptr);
        path_ = folder_ + "\\tallyra.ini";
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE) << path_;
        CloseHandle(file);
    }
    ~Win32IniTestRegistry() override
    {
        DeleteFileA(path_.c_str());
        DeleteFileA((path_ + ".tmp").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

private:
    std::string folder_;
    std::string path_;
};

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
    if (kind == "Win32IniFile")
        return std::unique_ptr<TestRegistry>(new Win32IniTestRegistry);
#endif
    if (kind == "IniFile")
        return std::unique_ptr<TestRegistry>(new MemoryIniTestRegistry);
    (void)kind;
    return std::unique_ptr<TestRegistry>(new MemoryTestRegistry);
}

std::vector<std::string> TestRegistryKinds()
{
#ifdef _WIN32
    return {"Memory", "IniFile", "Win32", "Win32IniFile"};
#else
    return {"Memory", "IniFile"};
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
