// The stored records of both windows as the program writes them: every value's name, type,
// size and kind, and the checks any record must pass, whoever wrote it and however the
// program ended before: every value there, with its type and size, and readable again.
#pragma once

#include <gtest/gtest.h>

#include "e2e_options.h"
#include "registry_access.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace e2e {

enum class Kind {
    Colors,    // little-endian colour words
    Flag,      // one byte, 0 or 1
    Position,  // two signed 32-bit words
    Numbers,   // four doubles
    Context,   // five signed 32-bit selectors
    Counter,   // REG_DWORD, any value
    Scale,     // REG_DWORD, significant digits
    After,     // REG_DWORD, digits after the point
    Text,      // REG_SZ of the loan window
    Place,     // four signed 32-bit words: left, top, width, height
    Tape,      // REG_SZ of lines
};

enum class Key { Calculator, Loan };

struct ValueEntry {
    Key key;
    const char* name;
    DWORD type;
    size_t size;  // 0 for texts
    Kind kind;
    bool classicOnly;  // the Styled edition has no key-style options
};

// Every value of both records; the Styled edition writes no classicOnly ones.
extern const std::vector<ValueEntry> kStoredValues;

// The edition writes this value.
bool Writes(const Edition& edition, const ValueEntry& entry);

double DoubleAt(const Bytes& bytes, size_t offset);
int32_t Int32At(const Bytes& bytes, size_t offset);

// Nothing, an arithmetic key or a function key: what "=" can repeat.
bool IsRepeatableOp(int32_t op);

// Every value of the record is there with its type and size and reads back in range: flags
// 0 or 1, selectors, precision, texts with one terminating zero that fit the reading buffer
// and a rate that keeps its "%". `each` sees every value found with its expected size first,
// for a test's own checks of it.
void ExpectSoundRecord(Key key, const Edition& edition,
                       const std::function<void(const ValueEntry&, const Bytes&)>& each = {});
// The same checks of a record's values read elsewhere: a portable program's settings file.
void ExpectSoundValues(Key key, const Edition& edition, const std::map<std::string, RegistryValue>& stored,
                       const std::function<void(const ValueEntry&, const Bytes&)>& each = {});

}  // namespace e2e
