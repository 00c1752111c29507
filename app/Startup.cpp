#include "app/Startup.h"

#include "app/SplashWindow.h"
#include "assets/Assets.h"
#include "platform/runtime/Runtime.h"
#include "uikit/Kit.h"

namespace app {

int Run(int argc, char** argv) {
  runtime::Initialise(argc, argv);
  runtime::SetProgramIcon(assets::ProgramIcon());
  // The host must exist before the splash is loaded, since the splash's created handler attaches
  // it, and GDI+ must be up before the first frame is decoded.
  uikit::CreateHost();
  runtime::SetExitRoutine(uikit::KitExit);
  uikit::KitStartup();
  return runtime::RunFirstWindow(SplashWindowForm());
}

}  // namespace app
