#pragma once
#include <cstddef>
#include <string>

// The settings file as the portable store sees it: read whole, and replaced whole. The
// programs use a file beside the exe; the unit tests also use one in memory.

enum class FileRead {
    Read,      // `bytes` holds the whole file
    Missing,   // there is no such file
    TooLarge,  // larger than the limit: nothing was read
    Failed,    // it could not be read; `reason` says why
};

class ISettingsFile {
public:
    virtual ~ISettingsFile() = default;
    // Where the file is, as the user would look for it.
    virtual const std::string& Path() const = 0;
    // Holds off other programs that share the file between a read and the replace that
    // follows it, as far as the platform allows; a lock that cannot be had is not waited for
    // forever.
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    virtual FileRead Read(std::string& bytes, size_t limit, std::string& reason) = 0;
    // The file holds exactly `bytes` afterwards, or, when that fails, exactly what it held
    // before; `reason` then says why, in words for the user.
    virtual bool Replace(const std::string& bytes, std::string& reason) = 0;
};
