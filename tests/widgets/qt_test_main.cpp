// The main of the widget and window tests: one QApplication for the whole run.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Also when the test list is read, which runs without the tests' environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
