#include <gtest/gtest.h>

#include <cstdio>

#include "e2e_options.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::string error;
    if (!e2e::ParseOptions(argc, argv, error)) {
        std::fprintf(stderr, "e2e_tests: %s\n", error.c_str());
        return 2;
    }
    return RUN_ALL_TESTS();
}
