#include <QApplication>

#include <gtest/gtest.h>

#include "focus_mark.h"
#include "test_environment.h"

int main(int argc, char** argv) {
  // Before the QApplication: it picks the platform plugin when it is constructed.
  PrepareTestEnvironment();
  QApplication app(argc, argv);
  InstallFocusMark();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
