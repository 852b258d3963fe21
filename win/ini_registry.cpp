#include "ini_registry.h"

#include <algorithm>
#include <cstring>

class IniRegistry::Key : public IRegistryKey {
public:
    Key(IniRegistry& registry, std::string section) : registry_(registry)
    {
        written_.name = std::move(section);
    }
    ~Key() override
    {
        if (!written_.values.empty() || !removed_.empty())
            registry_.Save(written_, removed_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool Read(const char* name, void* buffer, uint32_t capacity, uint32_t& size) override
    {
        const IniValue* value = Find(name);
        if (value == nullptr)
            return false;
        size = static_cast<uint32_t>(value->bytes.size());
        if (size > capacity)
            return false;
        if (size > 0)
            std::memcpy(buffer, value->bytes.data(), size);
        return true;
    }

    bool Write(const char* name, uint32_t type, const void* data, uint32_t size) override
    {
        IniValue value{name, type,
                       size > 0 ? std::string(static_cast<const char*>(data), size) : std::string()};
        // What the file could not give back is not taken, as the registry refuses what it
        // cannot hold.
        if (!IsIniValueName(value.name) || IniLineLength(value) > kMaxSettingsLineBytes)
            return false;
        registry_.document_.Section(written_.name).Set(value.name, type, value.bytes);
        written_.Set(value.name, type, value.bytes);
        removed_.erase(std::remove(removed_.begin(), removed_.end(), value.name), removed_.end());
        return true;
    }

    bool Delete(const char* name) override
    {
        if (IniSection* section = registry_.document_.Find(written_.name))
            section->Remove(name);
        written_.Remove(name);
        removed_.emplace_back(name);
        return true;
    }

    bool Query(const char* name, uint32_t& type, uint32_t& size) override
    {
        const IniValue* value = Find(name);
        if (value == nullptr)
            return false;
        type = value->type;
        size = static_cast<uint32_t>(value->bytes.size());
        return true;
    }

private:
    const IniValue* Find(const char* name) const
    {
        const IniSection* section = registry_.document_.Find(written_.name);
        return section != nullptr ? section->Find(name) : nullptr;
    }

    IniRegistry& registry_;
    IniSection written_;                // this key's section, with the values written through this key
    std::vector<std::string> removed_;  // and the names of those removed through it
};

IniRegistry::IniRegistry(std::unique_ptr<ISettingsFile> file, Report report)
    : file_(std::move(file)), report_(std::move(report))
{
    std::string bytes;
    std::string reason;
    file_->Lock();
    const FileRead read = file_->Read(bytes, kMaxSettingsFileBytes, reason);
    file_->Unlock();
    // A file that cannot be read, or is too large to be ours, holds no settings: the defaults
    // apply, and the first save says so if it cannot read it either.
    if (read == FileRead::Read)
        document_ = IniDocument::Parse(bytes.data(), bytes.size());
}

IniRegistry::~IniRegistry() = default;

std::unique_ptr<IRegistryKey> IniRegistry::Open(const char* subkey)
{
    if (document_.Find(subkey) == nullptr)
        return nullptr;
    return std::unique_ptr<IRegistryKey>(new Key(*this, subkey));
}

std::unique_ptr<IRegistryKey> IniRegistry::Create(const char* subkey)
{
    if (!IsIniSectionName(subkey))
        return nullptr;
    return std::unique_ptr<IRegistryKey>(new Key(*this, subkey));
}

void IniRegistry::Save(const IniSection& written, const std::vector<std::string>& removed)
{
    std::string bytes;
    std::string reason;
    bool saved = false;
    file_->Lock();
    const FileRead read = file_->Read(bytes, kMaxSettingsFileBytes, reason);
    // A file that cannot be read now is not replaced: what another program saved in it would
    // be lost. One too large to be ours is.
    if (read != FileRead::Failed) {
        IniDocument stored =
            read == FileRead::Read ? IniDocument::Parse(bytes.data(), bytes.size()) : IniDocument();
        IniSection& section = stored.Section(written.name);
        for (const IniValue& value : written.values)
            section.Set(value.name, value.type, value.bytes);
        for (const std::string& name : removed)
            section.Remove(name);
        const std::string text = stored.Write();
        if (text.size() > kMaxSettingsFileBytes)
            reason = "The settings would make the file larger than it may be.";
        else
            saved = file_->Replace(text, reason);
    }
    file_->Unlock();
    if (!saved && !reported_) {
        reported_ = true;
        if (report_)
            report_(SaveFailureMessage(file_->Path(), reason));
    }
}

std::string SaveFailureMessage(const std::string& path, const std::string& reason)
{
    return "Tallyra could not save its settings to\n" + path + "\n\n" +
           (reason.empty() ? std::string("The reason is not known.") : reason) +
           "\n\nTallyra goes on working, but changes to its settings may be lost when it ends. While this "
           "file "
           "is beside the program, no settings are written to the registry.";
}
