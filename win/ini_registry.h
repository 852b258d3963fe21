#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ini_document.h"
#include "registry_port.h"
#include "settings_file_port.h"

// The registry of a portable program: every key is a section of one settings file. The file
// is read once, when the store is made; reads come from what it held then and from this
// program's own writes. A key written through is saved when it is closed (a record is
// written through one key, so one save writes the file once): the file is read again, the
// values written replace those of their section, which keeps whatever another program
// sharing the file saved meanwhile, and the file is replaced whole.
//
// A save that fails leaves the file as it was and this program working with the values it
// has. The first failure of a run is reported, with the file and the reason; nothing is ever
// written anywhere else instead.
class IniRegistry : public IRegistry {
public:
    using Report = std::function<void(const std::string& message)>;

    IniRegistry(std::unique_ptr<ISettingsFile> file, Report report);
    ~IniRegistry() override;

    std::unique_ptr<IRegistryKey> Open(const char* subkey) override;
    std::unique_ptr<IRegistryKey> Create(const char* subkey) override;

private:
    class Key;
    // Saves the values written through one key into its section of the file.
    // Writes the values `written` wrote and removes those `removed` names into the file as it
    // now is, keeping everything else in it.
    void Save(const IniSection& written, const std::vector<std::string>& removed);

    std::unique_ptr<ISettingsFile> file_;
    Report report_;
    IniDocument document_;
    bool reported_ = false;
};

// What the user is told when the settings could not be saved.
std::string SaveFailureMessage(const std::string& path, const std::string& reason);
