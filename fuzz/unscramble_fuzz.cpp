// The help text's unscrambling on any bytes: it works in place on a buffer of exactly the
// input's size, so AddressSanitizer reports any byte read or written outside it. Scrambling
// what came out must give the input back, and the About window's text of a resource the
// build made must be the text it was made from.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "help_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > UINT32_MAX)
        return 0;
    const uint32_t length = static_cast<uint32_t>(size);
    // new[] rather than a vector: a vector may hold spare capacity past its end, which
    // AddressSanitizer would not report.
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
    if (size > 0)
        std::memcpy(buffer.get(), data, size);

    const ScrambledPayload payload = UnscrambleText(buffer.get(), length);
    FUZZ_CHECK(payload.bytes >= buffer.get() && payload.length <= length &&
                   payload.bytes + payload.length <= buffer.get() + length,
               "payload outside the buffer");
    const bool scrambled = size >= 2 && data[0] == kScrambleMagic0 && data[1] == kScrambleMagic1;
    if (!scrambled) {
        FUZZ_CHECK(payload.bytes == buffer.get() && payload.length == length, "plain data moved");
        FUZZ_CHECK(size == 0 || std::memcmp(buffer.get(), data, size) == 0, "plain data changed");
    } else if (size >= kScrambleHeaderSize) {
        const uint8_t key[4] = {data[2], data[3], data[4], data[5]};
        const std::string text(reinterpret_cast<const char*>(payload.bytes), payload.length);
        const std::vector<uint8_t> again = ScrambleText(text, key);
        FUZZ_CHECK(again.size() == size && std::memcmp(again.data(), data, size) == 0, "no round trip");
    } else {
        FUZZ_CHECK(payload.length == 0, "a short header gave a payload");
    }

    // The About window's path: a read-only resource, copied before it is unscrambled.
    const std::string shown = HelpTextToShow(data, length);
    FUZZ_CHECK(shown.size() <= size, "shown text longer than the resource");

    // What the build embeds reads back as the text with CR LF line ends.
    if (size >= 4) {
        const uint8_t key[4] = {data[0], data[1], data[2], data[3]};
        const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);
        const std::vector<uint8_t> resource = BuildHelpResource(text, key);
        const std::string crlf = WithCrlfLineEnds(text);
        FUZZ_CHECK(HelpTextToShow(resource.data(), static_cast<uint32_t>(resource.size())) == crlf,
                   "the embedded text does not read back");
        for (size_t i = 0; i < crlf.size(); ++i) {
            if (crlf[i] == '\r')
                FUZZ_CHECK(i + 1 < crlf.size() && crlf[i + 1] == '\n', "a CR without its LF");
            if (crlf[i] == '\n')
                FUZZ_CHECK(i > 0 && crlf[i - 1] == '\r', "an LF without its CR");
        }
    }
    return 0;
}
