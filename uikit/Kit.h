#pragma once
// The kit's work at process start and end, and the one layered image host of the process, which
// the kit state holds from CreateHost to KitExit.

#include "uikit/LayeredImageHost.h"

namespace uikit {

// Makes the one host, not yet attached to a window (a host made before is replaced).
LayeredImageHost* CreateHost();
// The one host, or null before CreateHost and after KitExit.
LayeredImageHost* Host();
// GDI+ start-up (its status is not tested), the frame-dimension block, the loading-dialog class.
void KitStartup();
// Frees the host and the frame-dimension block. GDI+ stays up; back images still on screen, the
// cached composite and the windows are left as they are.
void KitExit();

}  // namespace uikit
