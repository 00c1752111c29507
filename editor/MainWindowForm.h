#pragma once
// The main window as data: its settings, its controls one row each, the weapon table's popup menu
// "菜单" and the bindings of its events to the editor's commands. Building the form cannot fail.

#include <functional>

#include "platform/runtime/Forms.h"
#include "platform/runtime/Window.h"

namespace editor {

struct MainWindowOptions {
  // Run by the close button `按钮1` "关闭软件". The application passes the closing animation
  // followed by the destruction request; by default the window asks for its destruction at once.
  std::function<void(runtime::Window&)> closeButton = [](runtime::Window& window) {
    window.RequestDestroy();
  };
};

runtime::FormSpec MainWindowForm(MainWindowOptions options = {});

}  // namespace editor
