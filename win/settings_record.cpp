#include "settings_record.h"

#include <vector>

#include "registry_values.h"

namespace {

template <typename T> std::vector<T> Values(std::initializer_list<const T*> fields)
{
    std::vector<T> values;
    for (const T* field : fields)
        values.push_back(*field);
    return values;
}

}  // namespace

void RecordWriter::Flag(const char* name, uint8_t flag)
{
    WriteFlag(key_, name, flag);
}

void RecordWriter::Words(const char* name, const uint32_t* words, size_t count)
{
    WriteWords(key_, name, words, count);
}

void RecordWriter::Words(const char* name, std::initializer_list<const int32_t*> words)
{
    const std::vector<int32_t> values = Values(words);
    WriteWords(key_, name, values.data(), values.size());
}

void RecordWriter::Block(const char* name, std::initializer_list<const int32_t*> words)
{
    Words(name, words);
}

void RecordWriter::Block(const char* name, std::initializer_list<const double*> values)
{
    std::vector<uint8_t> bytes(values.size() * 8);
    size_t at = 0;
    for (const double* value : values) {
        PutDouble(&bytes[at], *value);
        at += 8;
    }
    key_.Write(name, kRegBinary, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void RecordWriter::Dword(const char* name, int32_t value)
{
    WriteDword(key_, name, static_cast<uint32_t>(value));
}

void RecordWriter::Counter(const char* name, uint32_t& count)
{
    ++count;  // counts saves, not starts, and wraps
    WriteDword(key_, name, count);
}

void RecordWriter::Text(const char* name, const std::string& text, size_t, TextRule)
{
    WriteText(key_, name, text);
}

void RecordReader::Flag(const char* name, uint8_t& flag)
{
    ReadFlag(key_, name, flag);
}

void RecordReader::Flag(const char* name, bool& flag)
{
    uint8_t byte = flag ? 1 : 0;
    ReadFlag(key_, name, byte);
    flag = byte != 0;
}

void RecordReader::Words(const char* name, uint32_t* words, size_t count)
{
    ReadWords(key_, name, words, count);
}

void RecordReader::Words(const char* name, std::initializer_list<int32_t*> words)
{
    std::vector<int32_t> values;
    for (int32_t* field : words)
        values.push_back(*field);
    ReadWords(key_, name, values.data(), values.size());
    size_t i = 0;
    for (int32_t* field : words)
        *field = values[i++];
}

void RecordReader::Block(const char* name, std::initializer_list<int32_t*> words)
{
    std::vector<uint8_t> bytes(words.size() * 4, 0);
    if (ReadRaw(key_, name, bytes.data(), bytes.size()) < 0)
        return;
    size_t at = 0;
    for (int32_t* field : words) {
        *field = static_cast<int32_t>(GetWord(&bytes[at]));
        at += 4;
    }
}

void RecordReader::Block(const char* name, std::initializer_list<double*> values)
{
    std::vector<uint8_t> bytes(values.size() * 8, 0);  // all-zero bytes are 0.0
    if (ReadRaw(key_, name, bytes.data(), bytes.size()) < 0)
        return;
    size_t at = 0;
    for (double* field : values) {
        *field = GetDouble(&bytes[at]);
        at += 8;
    }
}

void RecordReader::Text(const char* name, std::string& text, size_t capacity, TextRule rule)
{
    std::string read;
    if (ReadText(key_, name, read, capacity) && (rule == nullptr || rule(read)))
        text = read;
}
