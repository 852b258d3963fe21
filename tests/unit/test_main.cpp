#include <gtest/gtest.h>

#include "fpu_precision.h"

int main(int argc, char** argv)
{
    // As the programs do at start: the arithmetic relies on a 64-bit mantissa.
    SetExtendedPrecision();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
