// WaitWithEvents: a busy wait on the tick count during which pending window events keep being
// processed (twice before each check of the time, twice after it); it never sleeps.
#include <QCoreApplication>

#include "platform/runtime/Runtime.h"
#include "platform/win32/Kernel.h"

namespace runtime {

void WaitWithEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  const win32::DWORD start = win32::GetTickCount();
  const auto limit = static_cast<win32::DWORD>(milliseconds);
  for (;;) {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    // Unsigned difference: right across the tick count's wrap.
    if (win32::GetTickCount() - start > limit) return;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
}

}  // namespace runtime
