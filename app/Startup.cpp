#include "app/Startup.h"

#include "app/SplashWindow.h"
#include "assets/Assets.h"
#include "platform/runtime/Runtime.h"
#include "uikit/Kit.h"

namespace app {

int Run(int argc, char** argv) {
  return RunWith(argc, argv, SplashWindowForm(), uikit::KitExit);
}

int RunWith(int argc, char** argv, const runtime::FormSpec& firstWindow, void (*exitRoutine)()) {
  runtime::Initialise(argc, argv);
  runtime::SetProgramIcon(assets::ProgramIcon());
  // The host must exist before the splash is loaded, since the splash's created handler attaches
  // it, and GDI+ must be up before the first frame is decoded.
  uikit::CreateHost();
  runtime::SetExitRoutine(exitRoutine);
  uikit::KitStartup();
  return runtime::RunFirstWindow(firstWindow);
}

}  // namespace app
