#include <gtest/gtest.h>

#include "test_environment.h"

int main(int argc, char** argv) {
  PrepareTestEnvironment();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
