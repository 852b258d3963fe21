#include "ini_document.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "registry_port.h"

namespace {

const char kDigits[] = "0123456789abcdef";

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool IsControl(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool HasControlOrEdgeBlank(const std::string& name)
{
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back()))
        return true;
    for (char c : name)
        if (IsControl(c))
            return true;
    return false;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool FromHex(std::string_view text, std::string& bytes)
{
    if (text.size() % 2 != 0)
        return false;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

// A whole number of at most ten decimal digits that fits 32 bits.
bool FromDecimal(std::string_view text, uint32_t& number)
{
    if (text.empty() || text.size() > 10)
        return false;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu)
        return false;
    number = static_cast<uint32_t>(value);
    return true;
}

// Raw control characters are not ours: the writer escapes every one of them.
bool Unescape(std::string_view text, std::string& bytes)
{
    bytes.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsControl(c))
            return false;
        if (c != '\\') {
            bytes += c;
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\': bytes += '\\'; break;
        case 'r': bytes += '\r'; break;
        case 'n': bytes += '\n'; break;
        case 't': bytes += '\t'; break;
        case 'x': {
            const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                return false;
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default: return false;
        }
    }
    return true;
}

bool DecodeValue(std::string_view type, std::string_view payload, IniValue& value)
{
    if (SameName(type, "string")) {
        if (!Unescape(payload, value.bytes))
            return false;
        value.type = kRegString;
        value.bytes += '\0';
        return true;
    }
    if (SameName(type, "binary")) {
        value.type = kRegBinary;
        return FromHex(payload, value.bytes);
    }
    if (SameName(type, "dword")) {
        uint32_t number = 0;
        if (!FromDecimal(payload, number))
            return false;
        value.type = kRegDword;
        for (int i = 0; i < 4; ++i)
            value.bytes += static_cast<char>(number >> (8 * i));
        return true;
    }
    if (type.size() > 5 && SameName(type.substr(0, 4), "hex(") && type.back() == ')')
        return FromDecimal(type.substr(4, type.size() - 5), value.type) && FromHex(payload, value.bytes);
    return false;
}

// Writes a value's line, or only counts its length, through the same decisions.
struct Sink {
    std::string* out = nullptr;
    size_t length = 0;
    void Put(const char* text, size_t size)
    {
        if (out != nullptr)
            out->append(text, size);
        length += size;
    }
    void Put(const char* text) { Put(text, std::strlen(text)); }
    void Put(char c) { Put(&c, 1); }
};

void PutByte(Sink& sink, const char* prefix, unsigned char byte)
{
    const char hex[2] = {kDigits[byte >> 4], kDigits[byte & 15]};
    sink.Put(prefix);
    sink.Put(hex, 2);
}

void PutHex(Sink& sink, const std::string& bytes)
{
    for (char c : bytes)
        PutByte(sink, "", static_cast<unsigned char>(c));
}

void PutEscaped(Sink& sink, const std::string& bytes, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c == '\\')
            sink.Put("\\\\");
        else if (c == '\r')
            sink.Put("\\r");
        else if (c == '\n')
            sink.Put("\\n");
        else if (c == '\t')
            sink.Put("\\t");
        else if (IsControl(c) || (c == ' ' && (i == 0 || i + 1 == size)))
            PutByte(sink, "\\x",
                    static_cast<unsigned char>(c));  // a space at either end would be taken for a blank
        else
            sink.Put(c);
    }
}

void PutValue(Sink& sink, const IniValue& value)
{
    sink.Put(value.name.data(), value.name.size());
    const std::string& bytes = value.bytes;
    if (value.type == kRegString && !bytes.empty() && bytes.back() == '\0') {
        sink.Put("=string:");
        PutEscaped(sink, bytes, bytes.size() - 1);
    } else if (value.type == kRegBinary) {
        sink.Put("=binary:");
        PutHex(sink, bytes);
    } else if (value.type == kRegDword && bytes.size() == 4) {
        uint32_t number = 0;
        for (int i = 0; i < 4; ++i)
            number |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
        sink.Put("=dword:");
        sink.Put(std::to_string(number).c_str());
    } else {
        sink.Put("=hex(");
        sink.Put(std::to_string(value.type).c_str());
        sink.Put("):");
        PutHex(sink, bytes);
    }
}

// One line, its line end taken off; `section` is where its values go, null while there is
// none. Only a section line adds a section, and it sets `section` anew.
void ParseLine(std::string_view line, IniDocument& document, IniSection*& section)
{
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return;
    if (line.front() == '[') {
        // Values after a section line that cannot be read belong to no section we know.
        section = nullptr;
        if (line.size() < 2 || line.back() != ']')
            return;
        const std::string name(Trim(line.substr(1, line.size() - 2)));
        if (IsIniSectionName(name))
            section = &document.Section(name);
        return;
    }
    const size_t equals = line.find('=');
    if (section == nullptr || equals == std::string_view::npos)
        return;
    IniValue value;
    value.name = std::string(Trim(line.substr(0, equals)));
    const std::string_view rest = line.substr(equals + 1);
    const size_t colon = rest.find(':');
    if (!IsIniValueName(value.name) || colon == std::string_view::npos ||
        !DecodeValue(Trim(rest.substr(0, colon)), Trim(rest.substr(colon + 1)), value) ||
        IniLineLength(value) > kMaxSettingsLineBytes)
        return;
    section->Set(value.name, value.type, value.bytes);
}

}  // namespace

const IniValue* IniSection::Find(const std::string& valueName) const
{
    for (const IniValue& value : values)
        if (SameName(value.name, valueName))
            return &value;
    return nullptr;
}

void IniSection::Set(const std::string& valueName, uint32_t type, const std::string& bytes)
{
    for (IniValue& value : values) {
        if (SameName(value.name, valueName)) {
            value.type = type;
            value.bytes = bytes;
            return;
        }
    }
    values.push_back(IniValue{valueName, type, bytes});
}

void IniSection::Remove(const std::string& valueName)
{
    values.erase(std::remove_if(values.begin(), values.end(),
                                [&](const IniValue& value) { return SameName(value.name, valueName); }),
                 values.end());
}

IniDocument IniDocument::Parse(const char* text, size_t size)
{
    IniDocument document;
    size_t at = 0;
    // Notepad may have saved it with a byte order mark.
    if (size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0)
        at = 3;
    IniSection* section = nullptr;
    while (at < size) {
        const char* start = text + at;
        const void* end = std::memchr(start, '\n', size - at);
        const size_t length =
            end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - start) : size - at;
        at += length + 1;
        std::string_view line(start, length);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > kMaxSettingsLineBytes || line.find('\0') != std::string_view::npos)
            continue;
        ParseLine(line, document, section);
    }
    return document;
}

std::string IniDocument::Write() const
{
    std::string out =
        "; Tallyra's settings. While this file is beside the program, they are kept here and not "
        "in the registry.\r\n";
    Sink sink{&out};
    for (const IniSection& section : sections_) {
        sink.Put("\r\n[");
        sink.Put(section.name.data(), section.name.size());
        sink.Put("]\r\n");
        for (const IniValue& value : section.values) {
            PutValue(sink, value);
            sink.Put("\r\n");
        }
    }
    return out;
}

const IniSection* IniDocument::Find(const std::string& sectionName) const
{
    for (const IniSection& section : sections_)
        if (SameName(section.name, sectionName))
            return &section;
    return nullptr;
}

IniSection* IniDocument::Find(const std::string& sectionName)
{
    return const_cast<IniSection*>(static_cast<const IniDocument*>(this)->Find(sectionName));
}

IniSection& IniDocument::Section(const std::string& sectionName)
{
    if (IniSection* section = Find(sectionName))
        return *section;
    sections_.push_back(IniSection{sectionName, {}});
    return sections_.back();
}

bool IsIniSectionName(const std::string& name)
{
    return !HasControlOrEdgeBlank(name) && name.find_first_of("[]") == std::string::npos;
}

bool IsIniValueName(const std::string& name)
{
    return !HasControlOrEdgeBlank(name) && name.find('=') == std::string::npos && name.front() != '[' &&
           name.front() != ';' && name.front() != '#';
}

size_t IniLineLength(const IniValue& value)
{
    Sink counter;
    PutValue(counter, value);
    return counter.length;
}
