#pragma once
#include <string>
#include <vector>

#include "settings_file_port.h"

// A settings file in memory for the tests and the settings fuzzer. Its state outlives the
// file objects the stores own, as a file on disk outlives the programs that use it; switches
// make reading or replacing it fail, as a locked or read-only file would.
struct MemoryFileState {
    std::string bytes;
    bool exists = true;
    bool refuseRead = false;
    bool refuseReplace = false;
    int replaces = 0;
    std::vector<std::string> calls;  // "lock", "read", "replace", "unlock", in order
};

class MemorySettingsFile : public ISettingsFile {
public:
    explicit MemorySettingsFile(MemoryFileState& state, std::string path = "C:\\Tools\\Tallyra\\tallyra.ini")
        : state_(state), path_(std::move(path))
    {
    }

    const std::string& Path() const override { return path_; }
    void Lock() override { state_.calls.push_back("lock"); }
    void Unlock() override { state_.calls.push_back("unlock"); }

    FileRead Read(std::string& bytes, size_t limit, std::string& reason) override
    {
        state_.calls.push_back("read");
        bytes.clear();
        if (state_.refuseRead) {
            reason = "The file is in use (error 32)";
            return FileRead::Failed;
        }
        if (!state_.exists)
            return FileRead::Missing;
        if (state_.bytes.size() > limit)
            return FileRead::TooLarge;
        bytes = state_.bytes;
        return FileRead::Read;
    }

    bool Replace(const std::string& bytes, std::string& reason) override
    {
        state_.calls.push_back("replace");
        if (state_.refuseReplace) {
            reason = "Access denied. (error 5)";
            return false;
        }
        state_.bytes = bytes;
        state_.exists = true;
        ++state_.replaces;
        return true;
    }

private:
    MemoryFileState& state_;
    std::string path_;
};
