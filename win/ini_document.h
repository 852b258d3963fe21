#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The settings file of a portable program (tallyra.ini beside the exe): the registry keys of
// the settings as plain text that a person can read and edit, one section per key and one
// value a line:
//
//   [Software\Brimwold\Tallyra\Classic]
//   Show Tips=binary:01
//   Run Q-ty=dword:42
//   Tape=string:12 + 5 = 17\r\nMC
//
// "binary:" holds the bytes in hexadecimal; "dword:" a 4-byte little-endian number, written
// in decimal; "string:" a text stored with its terminating zero, which the line leaves out,
// with \\, \r, \n, \t and \xHH standing for the bytes that cannot stand for themselves;
// "hex(N):" the bytes of a value of type number N that none of those forms holds exactly.
// Every value keeps its name, its type and its bytes, whatever they are.
//
// What cannot be read is left out, as a registry value that is missing: a line that is not
// one of these, bad hexadecimal or escapes, a number out of range, an unknown type, a NUL byte,
// a line over kMaxSettingsLineBytes, a value before any section or after a bad section line.
// A name that comes twice is read as a value written twice: the last one is kept. Names of
// keys and values compare without regard to ASCII case, as the registry's do.

// Larger files are not read at all: no settings of ours come near (the tape is the largest
// value, about 1 MB at most).
constexpr size_t kMaxSettingsFileBytes = 16u << 20;
// The longest line read and written, its line end left out.
constexpr size_t kMaxSettingsLineBytes = 4u << 20;

struct IniValue {
    std::string name;
    uint32_t type = 0;
    std::string bytes;
    bool operator==(const IniValue& other) const
    {
        return name == other.name && type == other.type && bytes == other.bytes;
    }
};

struct IniSection {
    std::string name;
    std::vector<IniValue> values;  // in the order they were first written

    const IniValue* Find(const std::string& valueName) const;
    // Replaces the value of that name where it stands, or appends it.
    void Set(const std::string& valueName, uint32_t type, const std::string& bytes);
    // Removes the value of that name, when there is one.
    void Remove(const std::string& valueName);
    bool operator==(const IniSection& other) const { return name == other.name && values == other.values; }
};

class IniDocument {
public:
    static IniDocument Parse(const char* text, size_t size);
    // The whole file, with CR LF line ends.
    std::string Write() const;

    const IniSection* Find(const std::string& sectionName) const;
    IniSection* Find(const std::string& sectionName);
    // The section of that name, appended when missing.
    IniSection& Section(const std::string& sectionName);
    const std::vector<IniSection>& Sections() const { return sections_; }
    bool operator==(const IniDocument& other) const { return sections_ == other.sections_; }

private:
    std::vector<IniSection> sections_;
};

// What the file can hold as the name of a section or of a value: not empty, no control
// character, no space or tab at either end; a section name holds no bracket, and a value name
// no "=" nor a first character that would make its line a section or a comment.
bool IsIniSectionName(const std::string& name);
bool IsIniValueName(const std::string& name);

// The length of the line that holds this value, without its line end: a value is stored
// only when it is at most kMaxSettingsLineBytes, so that what is written is read again.
size_t IniLineLength(const IniValue& value);
