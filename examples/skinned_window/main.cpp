// kit_example: a small skinned layered window built with the kit. Qt's application object gives
// the Win32 stand-in its screen and its message loop; everything else is Win32 and kit code.
#include <QApplication>

#include "examples/skinned_window/ExampleWindow.h"
#include "examples/skinned_window/Skin.h"
#include "uikit/Kit.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  uikit::CreateHost();
  uikit::KitStartup();
  int code = 1;
  {
    example::Skin skin;  // outlives the window, whose controls show its pictures
    if (skin.Load()) {
      const example::OwnedWindow window = example::CreateExampleWindow(skin);
      if (window) code = qt.exec();
    }
  }
  uikit::KitExit();
  return code;
}
