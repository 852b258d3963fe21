#include "settings_file.h"

#include <cstdio>
#include <cstdlib>

namespace e2e {

namespace {

int Hex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool HexBytes(const std::string& text, Bytes& bytes)
{
    if (text.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        if (Hex(text[i]) < 0 || Hex(text[i + 1]) < 0)
            return false;
        bytes.push_back(static_cast<uint8_t>(Hex(text[i]) * 16 + Hex(text[i + 1])));
    }
    return true;
}

bool Unescaped(const std::string& text, Bytes& bytes)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F)
            return false;
        if (c != '\\') {
            bytes.push_back(c);
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\': bytes.push_back('\\'); break;
        case 'r': bytes.push_back('\r'); break;
        case 'n': bytes.push_back('\n'); break;
        case 't': bytes.push_back('\t'); break;
        case 'x':
            if (i + 2 >= text.size() || Hex(text[i + 1]) < 0 || Hex(text[i + 2]) < 0)
                return false;
            bytes.push_back(static_cast<uint8_t>(Hex(text[i + 1]) * 16 + Hex(text[i + 2])));
            i += 2;
            break;
        default: return false;
        }
    }
    bytes.push_back(0);
    return true;
}

bool Decimal(const std::string& text, uint32_t& value)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long long number = std::strtoull(text.c_str(), nullptr, 10);
    value = static_cast<uint32_t>(number);
    return number <= 0xFFFFFFFFull;
}

bool ParseValue(const std::string& type, const std::string& payload, RegistryValue& value)
{
    uint32_t number = 0;
    if (type == "binary") {
        value.type = REG_BINARY;
        return HexBytes(payload, value.bytes);
    }
    if (type == "string") {
        value.type = REG_SZ;
        return Unescaped(payload, value.bytes);
    }
    if (type == "dword" && Decimal(payload, number)) {
        value.type = REG_DWORD;
        value.bytes = DwordBytes(number);
        return true;
    }
    if (type.size() > 5 && type.compare(0, 4, "hex(") == 0 && type.back() == ')' &&
        Decimal(type.substr(4, type.size() - 5), number)) {
        value.type = number;
        return HexBytes(payload, value.bytes);
    }
    return false;
}

}  // namespace

const std::map<std::string, RegistryValue>& SettingsFile::Section(const std::string& key) const
{
    static const std::map<std::string, RegistryValue> none;
    const auto it = sections.find(key);
    return it != sections.end() ? it->second : none;
}

SettingsFile ParseSettingsFile(const std::string& text)
{
    SettingsFile file;
    std::string section;
    bool inSection = false;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            inSection = true;
            file.sections[section];
            continue;
        }
        const size_t equals = line.find('=');
        const size_t colon = equals == std::string::npos ? std::string::npos : line.find(':', equals);
        RegistryValue value;
        if (!inSection || colon == std::string::npos ||
            !ParseValue(line.substr(equals + 1, colon - equals - 1), line.substr(colon + 1), value)) {
            file.unreadable.push_back(line.substr(0, 200));
            continue;
        }
        file.sections[section][line.substr(0, equals)] = value;
    }
    return file;
}

void PrintTo(const RegistryValue& value, std::ostream* out)
{
    *out << "type " << value.type << ":";
    for (uint8_t byte : value.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        *out << hex;
    }
}

std::string BinaryLine(const std::string& name, const Bytes& bytes)
{
    std::string line = name + "=binary:";
    for (uint8_t byte : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        line += hex;
    }
    return line;
}

std::string DwordLine(const std::string& name, uint32_t value)
{
    return name + "=dword:" + std::to_string(value);
}

std::string StringLine(const std::string& name, const std::string& text)
{
    return name + "=string:" + text;
}

}  // namespace e2e
