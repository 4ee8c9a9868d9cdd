#include "worksheet_test_support.h"

// Registered before main() runs; gtest_main provides main().
static ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new sumwick::testing::QtEnvironment);
