#pragma once
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "registry_port.h"

// A registry for a store test: in memory everywhere, and the portable programs' settings file
// (in memory); in the Windows build also the real registry below a scratch key of
// HKEY_CURRENT_USER that is deleted afterwards, and the settings file in a scratch folder.
class TestRegistry {
public:
    virtual ~TestRegistry() = default;
    virtual IRegistry& Registry() = 0;
    // Raw access that bypasses the stores, for planting and checking values.
    virtual void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
                          const std::vector<uint8_t>& bytes) = 0;
    virtual bool GetValue(const std::string& subkey, const std::string& name, uint32_t& type,
                          std::vector<uint8_t>& bytes) = 0;
    virtual void DeleteValue(const std::string& subkey, const std::string& name) = 0;
    // The names written, in order, where the registry can tell; empty where it cannot.
    virtual std::vector<std::string> WriteOrder(const std::string& subkey) = 0;
    // Makes opening and creating keys fail, where the registry can be told to.
    virtual bool Refuse(bool open, bool create) = 0;
};

std::unique_ptr<TestRegistry> MakeTestRegistry(const std::string& kind);
std::vector<std::string> TestRegistryKinds();

class RegistryTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override { registry = MakeTestRegistry(GetParam()); }
    void TearDown() override { registry.reset(); }
    std::unique_ptr<TestRegistry> registry;
};

std::vector<uint8_t> Bytes(std::initializer_list<int> values);
std::vector<uint8_t> Words(std::initializer_list<uint32_t> values);
// A REG_SZ value's bytes: the text and its terminating zero.
std::vector<uint8_t> Text(const std::string& text);
