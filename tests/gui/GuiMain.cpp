#include "app/OvaldiApp.h"

#include <gtest/gtest.h>

// The suites run inside the program's own application object.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    COvaldiApp app(argc, argv);
    return RUN_ALL_TESTS();
}
