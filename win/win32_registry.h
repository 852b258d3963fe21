#pragma once
#include <windows.h>

#include "registry_port.h"

// The Windows registry below one root key: HKEY_CURRENT_USER for the programs, a scratch key
// for the tests.
class Win32Registry : public IRegistry {
public:
    explicit Win32Registry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
    std::unique_ptr<IRegistryKey> Open(const char* subkey) override;
    std::unique_ptr<IRegistryKey> Create(const char* subkey) override;

private:
    HKEY root_;
};
