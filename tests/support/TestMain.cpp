// Test entry point: every test executable runs its cases inside one QApplication, on Qt's
// offscreen platform unless QT_QPA_PLATFORM names another (the end-to-end runs use xcb).
#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
