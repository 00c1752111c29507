#pragma once
// A window loaded from a form: a win32 stand-in window of the runtime's class, whose peer holds
// the client-area widget with the Qt controls of the form. Every window setting goes through
// win32 so that the kit and the screen agree. Create gives null when the window or a control
// cannot be made; after WM_DESTROY the controls leave the peer and every setting reads as 0.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/runtime/Window.h"
#include "platform/runtime/internal/ControlBase.h"

namespace runtime::internal {

class BackgroundPicture;

class FormWindow final : public Window {
 public:
  static std::unique_ptr<FormWindow> Create(const FormSpec& form);
  ~FormWindow() override;

  win32::HWND Handle() const override { return handle_; }
  Control& Get(std::string_view name) override;
  ListView& List(std::string_view name) override;
  FileDialog& Dialog(std::string_view name) override;

  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  void SetLeft(int left) override;
  void SetTop(int top) override;
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  void Move(int left, int top, int width, int height) override;

  Border GetBorder() const override;
  void SetBorder(Border border) override;
  bool AlwaysOnTop() const override;
  void SetAlwaysOnTop(bool onTop) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;

  void SetBackgroundPicture(bytes::ByteBlockView picture) override;
  void SetPictureMode(PictureMode mode) override;
  void SetShape(Shape shape) override;
  bytes::ByteBlock Snapshot() const override;
  void ShowPopupMenu(std::string_view menuName) override;
  void RequestDestroy() override;

  // For the controls and the window procedure.
  void Run(Event event, std::string_view source);  // the bindings for this event and source
  void RunCreated();                               // once, then the window is shown
  void OnTimer(win32::UINT_PTR id);
  void OnDestroyed();    // the win32 window is gone: the client area leaves its peer
  void FitClientArea();  // the client-area widget over the window's client rectangle, shape too
  void ClientResized(QSize size);  // docks the status bars
  void RequestClose();             // WM_CLOSE, as the close box sends it
  bool EscCloses() const { return escCloses_; }
  win32::UINT_PTR AddTimer(ControlParts* timer);
  QWidget* ClientArea() const { return client_.data(); }
  QWidget* Peer() const;

 private:
  explicit FormWindow(const FormSpec& form);
  bool Build(const FormSpec& form);
  ControlParts* FindControl(std::string_view name) const;
  ControlParts& Require(std::string_view name) const;
  void Place(int left, int top, int width, int height, unsigned flags);

  win32::HWND handle_ = nullptr;
  std::vector<Binding> bindings_;
  std::vector<MenuSpec> menus_;
  bool escCloses_ = true;
  QPointer<QWidget> client_;  // owned: deleted with the window object
  QPointer<BackgroundPicture> picture_;
  QPointer<QObject> peerWatcher_;
  bool minimizeBox_ = true;
  bool maximizeBox_ = false;
  std::vector<std::unique_ptr<ControlParts>> controls_;  // in table order
  std::vector<ControlParts*> timers_;                    // timer id - 1 is the index
  Shape shape_ = Shape::Rectangle;
  bool visibilitySet_ = false;  // the created handler chose the window's visibility itself
};

}  // namespace runtime::internal
