// The program under test copied into a scratch folder of its own, as a user unpacks the ZIP,
// with an empty tallyra.ini beside it: the copy is portable. Everything goes at the end.
#pragma once

#include <optional>
#include <string>

namespace e2e {

constexpr const char* kSettingsFileName = "tallyra.ini";

class PortableFolder {
public:
    PortableFolder();
    ~PortableFolder();
    PortableFolder(const PortableFolder&) = delete;
    PortableFolder& operator=(const PortableFolder&) = delete;

    // False, with the reason, when the folder could not be made.
    bool Ready(std::string& error) const;

    // Windows paths of the copied program and of its settings file.
    const std::string& ProgramPath() const { return program_; }
    const std::string& SettingsPath() const { return settings_; }
    const std::string& Folder() const { return folder_; }

    // Writes the settings file with exactly these bytes.
    bool PutSettings(const std::string& bytes);
    bool RemoveSettings();
    // The settings file's bytes; nothing when it is missing.
    std::optional<std::string> Settings() const;

    // Makes the folder refuse new files, as a read-only medium or a folder without write
    // permission does: under Wine through the host (chattr +i, which binds root too, else
    // chmod a-w), undone at the end. False where it cannot be done.
    bool MakeReadOnly();

private:
    std::string hostFolder_;  // empty on Windows itself
    std::string folder_;
    std::string program_;
    std::string settings_;
    std::string error_;
    bool readOnly_ = false;
};

}  // namespace e2e
