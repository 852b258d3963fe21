#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ini_registry.h"
#include "settings_file_port.h"
#include "whole_file.h"

// A settings file on disk. It is replaced whole: the new content goes to a file beside it,
// which is flushed and then moved over the old one in one step, so that a program killed at
// any moment leaves either the old file or the new one. A named mutex of the file's path
// keeps the programs that share it from replacing it between each other's read and replace.
class Win32SettingsFile : public ISettingsFile {
public:
    explicit Win32SettingsFile(std::string path);
    ~Win32SettingsFile() override;
    Win32SettingsFile(const Win32SettingsFile&) = delete;
    Win32SettingsFile& operator=(const Win32SettingsFile&) = delete;

    const std::string& Path() const override { return path_; }
    void Lock() override;
    void Unlock() override;
    FileRead Read(std::string& bytes, size_t limit, std::string& reason) override;
    bool Replace(const std::string& bytes, std::string& reason) override;

private:
    std::string path_;
    HANDLE mutex_ = nullptr;
    bool locked_ = false;
};

// The store of a portable program: the file `name` beside the running exe, when one is there
// at start; null otherwise, and the registry is the store.
std::unique_ptr<IRegistry> OpenSettingsBesideProgram(const char* name, IniRegistry::Report report);
