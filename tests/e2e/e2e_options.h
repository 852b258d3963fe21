// What the test command line tells the driver: which edition it tests, where that program
// is and where the screenshots go.
#pragma once

#include <string>

namespace e2e {

struct Edition {
    std::string name;             // "classic" or "styled": screenshot names start with it
    std::string title;            // the exact window title
    std::string registryKey;      // under HKEY_CURRENT_USER
    std::string loanTitle;        // the exact title of its loan calculator window
    std::string loanRegistryKey;  // the loan calculator's own key, under HKEY_CURRENT_USER
    bool classic = false;         // the edition with owner-painted keys
};

struct Options {
    Edition edition;
    std::string exePath;        // Windows path of the program
    std::string screenshotDir;  // Windows path; empty: no screenshot files are written
    unsigned seed = 0;          // the random rounds' seed; 0: a new one, printed
    int events = 0;             // events per random round; 0: the short round
};

// Reads --edition=classic|styled, --exe=PATH and --screenshots=DIR (host or Windows paths),
// --seed=N and --events=N from what GoogleTest left of the command line, falling back to the
// environment variables TALLYRA_E2E_EDITION, TALLYRA_E2E_EXE, TALLYRA_E2E_SCREENSHOTS,
// TALLYRA_E2E_SEED and TALLYRA_E2E_EVENTS. On a bad command line
// returns false with the reason in `error`.
bool ParseOptions(int argc, char** argv, std::string& error);

const Options& CurrentOptions();

}  // namespace e2e
