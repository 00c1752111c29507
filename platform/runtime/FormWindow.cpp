#include "platform/runtime/internal/FormWindow.h"

#include <QRegion>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/runtime/internal/BackgroundPicture.h"
#include "platform/runtime/internal/ClientArea.h"
#include "platform/runtime/internal/Colours.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/FormGeometry.h"
#include "platform/runtime/internal/GbkText.h"
#include "platform/runtime/internal/PeerEvents.h"
#include "platform/runtime/internal/PopupMenu.h"
#include "platform/runtime/internal/Snapshot.h"
#include "platform/runtime/internal/WindowClass.h"
#include "platform/runtime/internal/WindowSet.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/Peer.h"

namespace runtime::internal {

namespace {

constexpr win32::DWORD kFrameStyles = win32::WS_CAPTION | win32::WS_SYSMENU |
                                      win32::WS_MINIMIZEBOX | win32::WS_MAXIMIZEBOX |
                                      win32::WS_THICKFRAME | win32::WS_POPUP;

win32::DWORD FrameStyle(Border border, bool minimizeBox, bool maximizeBox) {
  if (border == Border::None) return win32::WS_POPUP;
  win32::DWORD style = win32::WS_OVERLAPPED | win32::WS_CAPTION | win32::WS_SYSMENU;
  if (minimizeBox) style |= win32::WS_MINIMIZEBOX;
  if (maximizeBox) style |= win32::WS_MAXIMIZEBOX;
  return style;
}

using Maker = std::unique_ptr<ControlParts> (*)(const ControlContext&);

Maker MakerOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::GroupBox:
      return MakeGroupBox;
    case ControlKind::Label:
      return MakeLabel;
    case ControlKind::EditBox:
      return MakeEditBox;
    case ControlKind::PushButton:
      return MakePushButton;
    case ControlKind::CheckBox:
      return MakeCheckBox;
    case ControlKind::RichEdit:
      return MakeRichEdit;
    case ControlKind::ListView:
      return MakeListView;
    case ControlKind::StatusBar:
      return MakeStatusBar;
    case ControlKind::FileDialog:
      return MakeFileDialog;
    case ControlKind::Timer:
      return MakeTimer;
  }
  return nullptr;
}

[[noreturn]] void NoSuchControl(std::string_view name, const char* what) {
  std::fprintf(stderr, "window runtime: the form has no %s named \"%.*s\"\n", what,
               static_cast<int>(name.size()), name.data());
  std::abort();
}

}  // namespace

FormWindow::FormWindow(const FormSpec& form)
    : bindings_(form.bindings),
      menus_(form.menus),
      escCloses_(form.escCloses),
      minimizeBox_(form.minimizeBox),
      maximizeBox_(form.maximizeBox) {}

std::unique_ptr<FormWindow> FormWindow::Create(const FormSpec& form) {
  if (!RegisterFormClass()) return nullptr;
  std::unique_ptr<FormWindow> window(new FormWindow(form));
  if (!window->Build(form)) return nullptr;
  return window;
}

FormWindow::~FormWindow() {
  if (win32::IsWindow(handle_)) win32::DestroyWindow(handle_);
  delete peerWatcher_.data();
  delete client_.data();
}

bool FormWindow::Build(const FormSpec& form) {
  int left = 0;
  int top = 0;
  if (form.centred) {
    left = (win32::GetSystemMetrics(win32::SM_CXSCREEN) - form.width) / 2;
    top = (win32::GetSystemMetrics(win32::SM_CYSCREEN) - form.height) / 2;
  }
  const win32::DWORD exStyle = form.taskbar ? 0 : win32::WS_EX_TOOLWINDOW;
  handle_ = win32::CreateWindowExA(exStyle, kFormClassName, form.caption.c_str(),
                                   FrameStyle(form.border, form.minimizeBox, form.maximizeBox),
                                   left, top, form.width, form.height, nullptr, nullptr,
                                   win32::GetModuleHandleA(nullptr), this);
  QWidget* peer = win32::internal::PeerOf(handle_);
  if (peer == nullptr) return false;

  client_ = new runtime::internal::ClientArea(peer, handle_, ToQColor(form.background));
  client_->setObjectName(QStringLiteral("client area"));
  SetColours(client_, std::nullopt, form.background, Fill::Window);
  client_->setAutoFillBackground(false);  // the client area paints its background itself
  peerWatcher_ = WatchPeer(*this, peer);
  for (const ControlSpec& spec : form.controls) {
    QWidget* parent = client_;
    if (!spec.parent.empty()) {
      ControlParts* owner = FindControl(spec.parent);
      parent = owner != nullptr ? owner->ChildArea() : nullptr;
      if (parent == nullptr) {
        std::fprintf(stderr, "window runtime: control \"%s\" names no parent that takes it\n",
                     spec.name.c_str());
        return false;
      }
    }
    const Maker make = MakerOf(spec.kind);
    std::unique_ptr<ControlParts> control =
        make != nullptr ? make(ControlContext{*this, spec, parent}) : nullptr;
    if (control == nullptr) return false;
    if (QWidget* widget = control->Widget()) {
      widget->setObjectName(GbkToQString(spec.name));
      if (escCloses_) WatchKeys(*this, widget);
    }
    controls_.push_back(std::move(control));
  }
  client_->show();
  FitClientArea();
  return true;
}

ControlParts* FormWindow::FindControl(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->AsControl().Name() == name) return control.get();
  }
  return nullptr;
}

ControlParts& FormWindow::Require(std::string_view name) const {
  ControlParts* control = FindControl(name);
  if (control == nullptr) NoSuchControl(name, "control");
  return *control;
}

Control& FormWindow::Get(std::string_view name) {
  return Require(name).AsControl();
}

ListView& FormWindow::List(std::string_view name) {
  auto* list = dynamic_cast<ListView*>(&Require(name).AsControl());
  if (list == nullptr) NoSuchControl(name, "list view");
  return *list;
}

FileDialog& FormWindow::Dialog(std::string_view name) {
  auto* dialog = dynamic_cast<FileDialog*>(&Require(name).AsControl());
  if (dialog == nullptr) NoSuchControl(name, "file dialog");
  return *dialog;
}

QWidget* FormWindow::Peer() const {
  return win32::internal::PeerOf(handle_);
}

int FormWindow::Left() const {
  return WindowRectOf(handle_).left();
}

int FormWindow::Top() const {
  return WindowRectOf(handle_).top();
}

int FormWindow::Width() const {
  return WindowRectOf(handle_).width();
}

int FormWindow::Height() const {
  return WindowRectOf(handle_).height();
}

void FormWindow::Place(int left, int top, int width, int height, unsigned flags) {
  win32::SetWindowPos(handle_, nullptr, ClampPlace(left), ClampPlace(top), ClampSize(width),
                      ClampSize(height), flags | win32::SWP_NOZORDER | win32::SWP_NOACTIVATE);
  FitClientArea();
}

void FormWindow::SetLeft(int left) {
  Place(left, Top(), 0, 0, win32::SWP_NOSIZE);
}

void FormWindow::SetTop(int top) {
  Place(Left(), top, 0, 0, win32::SWP_NOSIZE);
}

void FormWindow::SetWidth(int width) {
  Place(0, 0, width, Height(), win32::SWP_NOMOVE);
}

void FormWindow::SetHeight(int height) {
  Place(0, 0, Width(), height, win32::SWP_NOMOVE);
}

void FormWindow::Move(int left, int top, int width, int height) {
  Place(left, top, width, height, 0);
}

Border FormWindow::GetBorder() const {
  const auto style = static_cast<win32::DWORD>(win32::GetWindowLongA(handle_, win32::GWL_STYLE));
  return (style & win32::WS_CAPTION) != 0 ? Border::FixedSingle : Border::None;
}

void FormWindow::SetBorder(Border border) {
  if (!win32::IsWindow(handle_)) return;
  const QRect outer = WindowRectOf(handle_);
  auto style = static_cast<win32::DWORD>(win32::GetWindowLongA(handle_, win32::GWL_STYLE));
  style = (style & ~kFrameStyles) | FrameStyle(border, minimizeBox_, maximizeBox_);
  win32::SetWindowLongA(handle_, win32::GWL_STYLE, static_cast<win32::LONG_PTR>(style));
  // The outer rectangle stays where it is; the client area follows the new frame.
  win32::SetWindowPos(handle_, nullptr, outer.left(), outer.top(), outer.width(), outer.height(),
                      win32::SWP_FRAMECHANGED | win32::SWP_NOZORDER | win32::SWP_NOACTIVATE);
  FitClientArea();
}

bool FormWindow::AlwaysOnTop() const {
  return (win32::GetWindowLongA(handle_, win32::GWL_EXSTYLE) & win32::WS_EX_TOPMOST) != 0;
}

void FormWindow::SetAlwaysOnTop(bool onTop) {
  win32::SetWindowPos(handle_, onTop ? win32::HWND_TOPMOST : win32::HWND_NOTOPMOST, 0, 0, 0, 0,
                      win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOACTIVATE);
}

bool FormWindow::Visible() const {
  return win32::IsWindowVisible(handle_) != 0;
}

void FormWindow::SetVisible(bool visible) {
  visibilitySet_ = true;
  win32::ShowWindow(handle_, visible ? win32::SW_SHOW : win32::SW_HIDE);
}

void FormWindow::SetBackgroundPicture(bytes::ByteBlockView picture) {
  if (!client_) return;
  if (picture.empty()) {
    delete picture_.data();
    return;
  }
  if (!picture_) picture_ = new BackgroundPicture(client_);
  picture_->SetPicture(picture);
  FitClientArea();
}

void FormWindow::SetPictureMode(PictureMode mode) {
  if (!client_) return;
  if (!picture_) picture_ = new BackgroundPicture(client_);
  picture_->SetMode(mode);
  FitClientArea();
}

void FormWindow::SetShape(Shape shape) {
  shape_ = shape;
  FitClientArea();
}

bytes::ByteBlock FormWindow::Snapshot() const {
  return SnapshotOf(handle_, Peer());
}

void FormWindow::ShowPopupMenu(std::string_view menuName) {
  for (const MenuSpec& menu : menus_) {
    if (menu.name != menuName) continue;
    if (!client_) return;
    const std::optional<Text> item = ChoosePopupItem(client_, menu);
    if (item) Run(Event::MenuItem, *item);
    return;
  }
  NoSuchControl(menuName, "popup menu");
}

void FormWindow::RequestDestroy() {
  WindowSet::Instance().RequestDestroy(handle_);
}

void FormWindow::Run(Event event, std::string_view source) {
  HandlerScope scope;
  for (const Binding& binding : bindings_) {
    if (binding.event == event && binding.source == source && binding.handler) {
      binding.handler(*this);
    }
  }
}

void FormWindow::RunCreated() {
  Run(Event::Created, "");
  if (win32::IsWindow(handle_) && !visibilitySet_) win32::ShowWindow(handle_, win32::SW_SHOWNORMAL);
}

void FormWindow::OnTimer(win32::UINT_PTR id) {
  if (id == 0 || id > timers_.size()) return;
  // Copied: the handler may change the timer's settings.
  const Text name = timers_[id - 1]->AsControl().Name();
  Run(Event::TimerTick, name);
}

void FormWindow::OnDestroyed() {
  delete peerWatcher_.data();
  if (client_) {
    client_->hide();
    client_->setParent(nullptr);
  }
}

void FormWindow::RequestClose() {
  win32::SendMessageA(handle_, win32::WM_CLOSE, 0, 0);
}

win32::UINT_PTR FormWindow::AddTimer(ControlParts* timer) {
  timers_.push_back(timer);
  return timers_.size();
}

void FormWindow::FitClientArea() {
  QWidget* peer = Peer();
  if (peer == nullptr || !client_) return;
  const QRect area = ClientAreaInPeer(handle_, peer);
  if (client_->geometry() != area) client_->setGeometry(area);
  ClientResized(area.size());
  if (picture_) {
    picture_->setGeometry(QRect(QPoint(0, 0), area.size()));
    picture_->raise();
  }
  if (shape_ == Shape::Ellipse) {
    const QRect outer = WindowAreaInPeer(handle_, peer);
    const QRegion ellipse(outer, QRegion::Ellipse);
    if (peer->mask() != ellipse) peer->setMask(ellipse);
  } else if (!peer->mask().isEmpty()) {
    peer->clearMask();
  }
}

void FormWindow::ClientResized(QSize size) {
  for (const auto& control : controls_) control->ClientResized(size);
}

}  // namespace runtime::internal
