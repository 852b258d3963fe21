#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

// The whole of a file of the source or build tree; a test fails when it cannot be opened.
inline std::string ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
