#include "platform/runtime/internal/WindowSet.h"

#include <QTimer>
#include <algorithm>

#include "platform/runtime/internal/FormWindow.h"
#include "platform/win32/Window.h"

namespace runtime::internal {

WindowSet& WindowSet::Instance() {
  // Never destroyed: at process exit Qt may already be gone, and the tool ends its windows itself.
  static WindowSet& set = *new WindowSet;
  return set;
}

void WindowSet::Add(std::unique_ptr<FormWindow> window) {
  windows_.push_back(std::move(window));
}

FormWindow* WindowSet::Find(win32::HWND handle) const {
  if (handle == nullptr) return nullptr;
  for (const auto& window : windows_) {
    if (window->Handle() == handle) return window.get();
  }
  return nullptr;
}

void WindowSet::Remove(win32::HWND handle) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [handle](const auto& window) { return window->Handle() == handle; });
  if (it == windows_.end()) return;
  (*it)->OnDestroyed();
  destroyed_.push_back(std::move(*it));
  windows_.erase(it);
  // Freed from the event loop, never inside the event or handler that destroyed the window.
  PostFlush();
  if (windows_.empty() && loopEntered_) QCoreApplication::exit(0);
}

void WindowSet::DestroyAll() {
  while (!windows_.empty()) {
    const win32::HWND handle = windows_.back()->Handle();
    if (win32::IsWindow(handle)) win32::DestroyWindow(handle);
    // A window whose procedure did not report its end leaves the set all the same.
    if (!windows_.empty() && windows_.back()->Handle() == handle) Remove(handle);
  }
  if (handlerDepth_ == 0) destroyed_.clear();
}

void WindowSet::SetExitRoutine(void (*routine)()) {
  exitRoutine_ = routine;
  exitRoutineRan_ = false;
}

void WindowSet::RunExitRoutineOnce() {
  if (exitRoutineRan_ || exitRoutine_ == nullptr) return;
  exitRoutineRan_ = true;
  exitRoutine_();
}

void WindowSet::LeaveHandler() {
  --handlerDepth_;
  if (handlerDepth_ == 0 && (!destroyRequests_.empty() || !destroyed_.empty())) PostFlush();
}

void WindowSet::RequestDestroy(win32::HWND handle) {
  destroyRequests_.push_back(handle);
  if (handlerDepth_ == 0) PostFlush();
}

void WindowSet::PostFlush() {
  if (flushPosted_ || QCoreApplication::instance() == nullptr) return;
  flushPosted_ = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [this] { Flush(); });
}

void WindowSet::Flush() {
  flushPosted_ = false;
  // A nested wait inside a handler reaches here too; the handler's return posts again.
  if (handlerDepth_ > 0) return;
  std::vector<win32::HWND> requests;
  requests.swap(destroyRequests_);
  for (win32::HWND handle : requests) {
    if (win32::IsWindow(handle)) win32::DestroyWindow(handle);
  }
  destroyed_.clear();
}

void WindowSet::AdoptApplication(std::unique_ptr<QApplication> application) {
  application_ = std::move(application);
}

void WindowSet::ReleaseApplication() {
  if (application_ == nullptr) return;
  application_.reset();
  flushPosted_ = false;  // posted work went with the application
}

}  // namespace runtime::internal
