#pragma once
#include <cstdint>
#include <memory>

// The per-user registry as the settings stores see it: a tree of keys holding named values
// of raw bytes. The programs use the Windows registry under HKEY_CURRENT_USER; the unit tests
// use a key in memory. Closing a key is destroying it.

// Value types, with the numbers the Windows registry uses.
enum RegValueType : uint32_t {
    kRegString = 1,  // REG_SZ
    kRegBinary = 3,  // REG_BINARY
    kRegDword = 4,   // REG_DWORD
};

class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    // Copies a value's bytes into `buffer`, whatever its type. True, with `size` set to the
    // number of bytes stored, when the value exists and fits in `capacity` bytes; false when
    // it is missing or longer, and then `buffer` may hold anything.
    virtual bool Read(const char* name, void* buffer, uint32_t capacity, uint32_t& size) = 0;
    virtual bool Write(const char* name, uint32_t type, const void* data, uint32_t size) = 0;
    // A value's type and size in bytes, without its data; false when it is missing.
    virtual bool Query(const char* name, uint32_t& type, uint32_t& size) = 0;
    // Removes a value; true when it is gone afterwards, also when it was never there.
    virtual bool Delete(const char* name) = 0;
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // An existing key, for reading; null when it does not exist or cannot be opened.
    virtual std::unique_ptr<IRegistryKey> Open(const char* subkey) = 0;
    // The key, created when missing, for writing; null when that fails.
    virtual std::unique_ptr<IRegistryKey> Create(const char* subkey) = 0;
};
