#include "e2e_options.h"

#include "wine_paths.h"

#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

Options g_options;

std::string FromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool TakeFlag(const char* arg, const char* flag, std::string& value)
{
    const size_t length = std::strlen(flag);
    if (std::strncmp(arg, flag, length) != 0)
        return false;
    value = arg + length;
    return true;
}

// An unsigned decimal number, or nothing (0).
bool ReadCount(const std::string& text, unsigned& value)
{
    value = 0;
    if (text.empty())
        return true;
    char* end = nullptr;
    const unsigned long long read = std::strtoull(text.c_str(), &end, 10);
    if (*end != '\0' || text[0] == '-' || read > 0xFFFFFFFFull)
        return false;
    value = static_cast<unsigned>(read);
    return true;
}

}  // namespace

bool ParseOptions(int argc, char** argv, std::string& error)
{
    std::string edition = FromEnvironment("TALLYRA_E2E_EDITION");
    std::string exe = FromEnvironment("TALLYRA_E2E_EXE");
    std::string screenshots = FromEnvironment("TALLYRA_E2E_SCREENSHOTS");
    std::string seed = FromEnvironment("TALLYRA_E2E_SEED");
    std::string events = FromEnvironment("TALLYRA_E2E_EVENTS");
    for (int i = 1; i < argc; ++i) {
        if (!TakeFlag(argv[i], "--edition=", edition) && !TakeFlag(argv[i], "--exe=", exe) &&
            !TakeFlag(argv[i], "--screenshots=", screenshots) && !TakeFlag(argv[i], "--seed=", seed) &&
            !TakeFlag(argv[i], "--events=", events)) {
            error = std::string("unknown argument ") + argv[i];
            return false;
        }
    }
    if (edition.empty())
        edition = "classic";
    if (edition == "classic")
        g_options.edition = Edition{"classic",
                                    "Tallyra Classic",
                                    "Software\\Brimwold\\Tallyra\\Classic",
                                    "Loan Calculator Classic",
                                    "Software\\Brimwold\\Loan Calculator\\Classic",
                                    true};
    else if (edition == "styled")
        g_options.edition = Edition{"styled",
                                    "Tallyra Styled",
                                    "Software\\Brimwold\\Tallyra\\Styled",
                                    "Loan Calculator Styled",
                                    "Software\\Brimwold\\Loan Calculator\\Styled",
                                    false};
    else {
        error = "unknown edition " + edition + " (classic or styled)";
        return false;
    }
    if (exe.empty()) {
        error = "the program's path is missing: --exe=PATH or TALLYRA_E2E_EXE";
        return false;
    }
    g_options.exePath = ToWindowsPath(exe);
    g_options.screenshotDir = screenshots.empty() ? "" : ToWindowsPath(screenshots);
    if (!ReadCount(seed, g_options.seed)) {
        error = "--seed takes a whole number, not " + seed;
        return false;
    }
    unsigned count = 0;
    if (!ReadCount(events, count) || count > 100000000u) {
        error = "--events takes a whole number, not " + events;
        return false;
    }
    g_options.events = static_cast<int>(count);
    return true;
}

const Options& CurrentOptions()
{
    return g_options;
}

}  // namespace e2e
