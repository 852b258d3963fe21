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

}  // namespace

bool ParseOptions(int argc, char** argv, std::string& error)
{
    std::string edition = FromEnvironment("TALLYRA_E2E_EDITION");
    std::string exe = FromEnvironment("TALLYRA_E2E_EXE");
    std::string screenshots = FromEnvironment("TALLYRA_E2E_SCREENSHOTS");
    for (int i = 1; i < argc; ++i) {
        if (!TakeFlag(argv[i], "--edition=", edition) && !TakeFlag(argv[i], "--exe=", exe) &&
            !TakeFlag(argv[i], "--screenshots=", screenshots)) {
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
    return true;
}

const Options& CurrentOptions()
{
    return g_options;
}

}  // namespace e2e
