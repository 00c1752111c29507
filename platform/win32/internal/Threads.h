#pragma once
// Inside the stand-in only: the waits of a stand-in thread end early once TerminateThread has
// asked the thread to stop.

#include "platform/win32/Types.h"

namespace win32::internal {

// Sleeps `milliseconds` (INFINITE: until a stop is asked for); returns at once when the calling
// thread is a stand-in thread whose stop has been asked for. False when it returned early.
bool SleepUnlessStopped(DWORD milliseconds);

}  // namespace win32::internal
