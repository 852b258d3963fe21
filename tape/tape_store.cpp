#include "tape_store.h"

namespace {

// Far above the largest tape written (1 000 lines of at most 1 024 characters), far below
// what would hurt to read.
constexpr uint32_t kMaxStoredBytes = 8u << 20;
constexpr uint32_t kRegMultiString = 7;  // REG_MULTI_SZ

}  // namespace

std::string EncodeTape(const std::deque<std::string>& lines)
{
    return JoinLines(lines);
}

std::vector<std::string> DecodeTape(const char* bytes, size_t size)
{
    std::vector<std::string> lines;
    std::string line;
    auto finish = [&] {
        if (!line.empty() && line.size() <= TapeLines::kMaxLineLength)
            lines.push_back(line);
        line.clear();
    };
    for (size_t i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r' || c == '\n' || c == 0)
            finish();
        else if (line.size() <= TapeLines::kMaxLineLength)  // one over marks it too long
            line += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c);
    }
    finish();
    if (lines.size() > TapeLines::kCapacity)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(TapeLines::kCapacity));
    return lines;
}

void SaveTape(IRegistryKey& key, const TapeLines& tape)
{
    const std::string text = EncodeTape(tape.Lines());
    key.Write(kTapeValueName, kRegString, text.c_str(), static_cast<uint32_t>(text.size() + 1));
}

void LoadTape(IRegistryKey& key, TapeLines& tape)
{
    uint32_t type = 0;
    uint32_t size = 0;
    if (!key.Query(kTapeValueName, type, size) || (type != kRegString && type != kRegMultiString) ||
        size > kMaxStoredBytes)
        return;
    std::string bytes(size, '\0');
    uint32_t read = 0;
    if (!key.Read(kTapeValueName, bytes.data(), size, read))
        return;
    tape.Assign(DecodeTape(bytes.data(), read));
}
