#pragma once
// A window loaded for one test and destroyed at its end, and the runtime initialised for it.

#include <gtest/gtest.h>

#include "platform/runtime/Runtime.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace runtime::test {

class LoadedWindow {
 public:
  explicit LoadedWindow(const FormSpec& form) : window_(LoadWindow(form)) {
    if (window_ != nullptr) handle_ = window_->Handle();
  }
  ~LoadedWindow() { DestroyNow(handle_); }
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  Window* get() const { return WindowOf(handle_); }
  Window& operator*() const { return *window_; }
  Window* operator->() const { return window_; }
  win32::HWND handle() const { return handle_; }
  explicit operator bool() const { return window_ != nullptr; }

 private:
  Window* window_;
  win32::HWND handle_ = nullptr;
};

// The runtime on the test's QApplication, once per test.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "runtime_tests";
    static char* argv[] = {name, nullptr};
    Initialise(argc, argv);
  }
};

// A form with the runtime's defaults and a size; controls and bindings added by the test.
inline FormSpec SmallForm(int width = 300, int height = 200) {
  FormSpec form;
  form.caption = "测试窗口";
  form.width = width;
  form.height = height;
  return form;
}

}  // namespace runtime::test
