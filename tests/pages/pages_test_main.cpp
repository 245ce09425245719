#include <QGuiApplication>

#include <gtest/gtest.h>

#include "test_environment.h"

int main(int argc, char** argv) {
  // Before the application: it picks the platform plugin when it is constructed.
  PrepareTestEnvironment();
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
