// The Windows test program's entry: GoogleTest's main is linked from gtest_main-less gtest.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
