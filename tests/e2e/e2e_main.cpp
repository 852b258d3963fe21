#include <gtest/gtest.h>

#include <cstdio>

#include "app_process.h"
#include "e2e_options.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::string error;
    if (!e2e::ParseOptions(argc, argv, error)) {
        std::fprintf(stderr, "e2e_tests: %s\n", error.c_str());
        return 2;
    }
    const int result = RUN_ALL_TESTS();
    // Nothing the run started may outlive it.
    e2e::KillProcessesRunning(e2e::CurrentOptions().exePath);
    return result;
}
