// Widgets need one QApplication for the whole test program; this main makes it before the tests
// run (it takes the place of gtest_main's).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Run directly, outside CTest, the tests still never open a window.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
