#pragma once
// Looks at the main window's Qt side where the runtime's test helpers stop: the peer's caption
// and frame flags, the status bar's panel widths, the screen size, and a probe that runs while the
// next message box is open. No Qt header here, so GBK-compiled tests can use it.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/Window.h"

namespace editor::test {

struct PeerFrame {
  std::string caption;  // GBK
  bool minimizeBox{false};
  bool maximizeBox{false};
  bool closeBox{false};
  bool fixedSize{false};  // minimum size equal to maximum size
  bool taskbar{false};    // a normal top-level window, not a tool window or a popup
};
PeerFrame FrameOf(runtime::Window& window);

struct ScreenSize {
  int width{0};
  int height{0};
};
ScreenSize PrimaryScreenSize();

// The widths of the status bar's panels, left to right, as they are on screen.
std::vector<int> PanelWidths(runtime::Window& window, const std::string& statusBar);

// Chooses `file` in the next open-file dialog by typing its path into the name field, as a user
// would, and confirms it; the flag turns true once a dialog was answered (ten seconds at most).
// Unlike the runtime helpers' answer, it leaves no watch behind for a later message box.
std::shared_ptr<bool> ChooseInNextFileDialog(const std::filesystem::path& file);

// Runs `probe` once, when the next message box is shown and before it can be answered; ends its
// watch when destroyed. Ran() says whether a box was shown meanwhile.
class MessageBoxProbe {
 public:
  explicit MessageBoxProbe(std::function<void()> probe);
  ~MessageBoxProbe();
  MessageBoxProbe(const MessageBoxProbe&) = delete;
  MessageBoxProbe& operator=(const MessageBoxProbe&) = delete;
  bool Ran() const;

 private:
  class Watch;
  std::unique_ptr<Watch> watch_;
};

}  // namespace editor::test
