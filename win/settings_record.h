#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "registry_port.h"

// A settings record is described once, as the list of its values in the order they are
// written: a function template that calls, for each value, one of the methods below with the
// value's name and the fields it lives in. Saving walks the description with a
// RecordWriter, loading with a RecordReader, so the two can never disagree; the reader is the
// one place where stored data is made sound.

// A rule a text must meet to be taken, with what it may mend first; false: not taken.
using TextRule = bool (*)(std::string& text);

class RecordWriter {
public:
    explicit RecordWriter(IRegistryKey& key) : key_(key) {}
    // The key itself, for a value of a shape of its own.
    IRegistryKey& Key() { return key_; }

    // A one-byte flag.
    void Flag(const char* name, uint8_t flag);
    void Flag(const char* name, bool flag) { Flag(name, static_cast<uint8_t>(flag ? 1 : 0)); }
    // An array of little-endian 32-bit words: a colour table.
    void Words(const char* name, const uint32_t* words, size_t count);
    // Little-endian 32-bit words from separate fields: a position, a single number.
    void Words(const char* name, std::initializer_list<const int32_t*> words);
    // A block of words or doubles from separate fields, read back whole or not at all.
    void Block(const char* name, std::initializer_list<const int32_t*> words);
    void Block(const char* name, std::initializer_list<const double*> values);
    void Dword(const char* name, int32_t value);
    // The save counter: one more each time the record is written.
    void Counter(const char* name, uint32_t& count);
    void Text(const char* name, const std::string& text, size_t capacity, TextRule rule = nullptr);

private:
    IRegistryKey& key_;
};

// Walks a record with a `Walker` over `key`, when there is one: `walk` is called with the
// walker. True when it was walked.
template <typename Walker, typename Walk> bool WalkKey(std::unique_ptr<IRegistryKey> key, Walk walk)
{
    if (!key)
        return false;
    Walker walker(*key);
    walk(walker);
    return true;
}

class RecordReader {
public:
    explicit RecordReader(IRegistryKey& key) : key_(key) {}
    IRegistryKey& Key() { return key_; }

    // Any non-zero byte is on: the field holds 0 or 1 afterwards.
    void Flag(const char* name, uint8_t& flag);
    void Flag(const char* name, bool& flag);
    // A shorter value replaces only the leading bytes; a longer one is not taken.
    void Words(const char* name, uint32_t* words, size_t count);
    void Words(const char* name, std::initializer_list<int32_t*> words);
    // Taken when read whole or shorter; the entries a shorter value lacks read as 0.
    void Block(const char* name, std::initializer_list<int32_t*> words);
    void Block(const char* name, std::initializer_list<double*> values);
    // Read as a word: a shorter value replaces only the leading bytes.
    void Dword(const char* name, int32_t& value) { Words(name, {&value}); }
    void Counter(const char* name, uint32_t& count) { Words(name, &count, 1); }
    // A text of fewer than `capacity` bytes with its terminating zero, which meets `rule`.
    void Text(const char* name, std::string& text, size_t capacity, TextRule rule = nullptr);

private:
    IRegistryKey& key_;
};
