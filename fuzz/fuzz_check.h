#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

// An invariant of the program under test. It stays on in every build type (assert would go
// with NDEBUG), and abort() is what libFuzzer reports as a crash and keeps the input of.
[[noreturn]] inline void FuzzFailure(const char* file, int line, const char* condition,
                                     const std::string& detail)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition, detail.c_str());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            FuzzFailure(__FILE__, __LINE__, #condition, (detail));                                           \
    } while (false)

// A text quoted for a failure message, with its bytes visible.
inline std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
            out += escaped;
        }
    }
    return out + "\" (" + std::to_string(text.size()) + " bytes)";
}
