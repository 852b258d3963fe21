#include "registry_values.h"

#include <cstring>
#include <vector>

namespace {

// Large enough for every block of the settings records (the biggest is 64 bytes).
constexpr size_t kScratch = 256;

}  // namespace

int ReadRaw(IRegistryKey& key, const char* name, void* field, size_t fieldSize)
{
    // A failed read may leave anything in the buffer it was given, so never give it the field.
    uint8_t scratch[kScratch];
    if (fieldSize > kScratch)
        return -1;
    uint32_t size = 0;
    if (!key.Read(name, scratch, static_cast<uint32_t>(fieldSize), size) || size > fieldSize)
        return -1;
    std::memcpy(field, scratch, size);
    return static_cast<int>(size);
}

void ReadFlag(IRegistryKey& key, const char* name, uint8_t& flag)
{
    uint8_t byte = flag;
    if (ReadRaw(key, name, &byte, 1) == 1)
        flag = byte != 0 ? 1 : 0;
}

void PutWord(uint8_t* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetWord(const uint8_t* bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    return value;
}

void PutDouble(uint8_t* bytes, double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutWord(bytes, static_cast<uint32_t>(bits));
    PutWord(bytes + 4, static_cast<uint32_t>(bits >> 32));
}

double GetDouble(const uint8_t* bytes)
{
    const uint64_t bits = GetWord(bytes) | static_cast<uint64_t>(GetWord(bytes + 4)) << 32;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ReadWords(IRegistryKey& key, const char* name, uint32_t* words, size_t count)
{
    // Start from the current values, so that a shorter value replaces only leading bytes.
    std::vector<uint8_t> block(count * 4);
    for (size_t i = 0; i < count; ++i)
        PutWord(&block[i * 4], words[i]);
    if (ReadRaw(key, name, block.data(), block.size()) < 0)
        return;
    for (size_t i = 0; i < count; ++i)
        words[i] = GetWord(&block[i * 4]);
}

void ReadWords(IRegistryKey& key, const char* name, int32_t* words, size_t count)
{
    std::vector<uint32_t> unsignedWords(words, words + count);
    ReadWords(key, name, unsignedWords.data(), count);
    for (size_t i = 0; i < count; ++i)
        words[i] = static_cast<int32_t>(unsignedWords[i]);
}

bool ReadText(IRegistryKey& key, const char* name, std::string& text, size_t capacity)
{
    std::vector<char> buffer(capacity, '\0');
    uint32_t size = 0;
    if (!key.Read(name, buffer.data(), static_cast<uint32_t>(capacity), size) || size >= capacity)
        return false;
    const void* zero = std::memchr(buffer.data(), '\0', size);
    const size_t length =
        zero != nullptr ? static_cast<size_t>(static_cast<const char*>(zero) - buffer.data()) : size;
    // Counted with the zero the next save writes after it: a text without one that fills the
    // buffer would be saved one byte too long and refused at the next start.
    if (length + 1 >= capacity)
        return false;
    text.assign(buffer.data(), length);
    return true;
}

void WriteFlag(IRegistryKey& key, const char* name, int32_t flag)
{
    const uint8_t byte = static_cast<uint8_t>(flag);
    key.Write(name, kRegBinary, &byte, 1);
}

void WriteWords(IRegistryKey& key, const char* name, const uint32_t* words, size_t count)
{
    std::vector<uint8_t> block(count * 4);
    for (size_t i = 0; i < count; ++i)
        PutWord(&block[i * 4], words[i]);
    key.Write(name, kRegBinary, block.data(), static_cast<uint32_t>(block.size()));
}

void WriteWords(IRegistryKey& key, const char* name, const int32_t* words, size_t count)
{
    std::vector<uint32_t> unsignedWords(words, words + count);
    WriteWords(key, name, unsignedWords.data(), count);
}

void WriteDword(IRegistryKey& key, const char* name, uint32_t value)
{
    uint8_t bytes[4];
    PutWord(bytes, value);
    key.Write(name, kRegDword, bytes, 4);
}

void WriteText(IRegistryKey& key, const char* name, const std::string& text)
{
    key.Write(name, kRegString, text.c_str(), static_cast<uint32_t>(text.size() + 1));
}
