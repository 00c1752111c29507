#pragma once
// What every control of a form shares: its name and kind, and either a Qt widget inside the
// window's client area (WidgetControl) or, for the kinds without a window of their own (timer,
// file dialog, hidden rich-text box), settings kept as plain values (DataControl). A widget that
// has gone (its window destroyed) reads as empty and ignores writes.

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <string>

#include "platform/runtime/Window.h"

namespace runtime::internal {

class FormWindow;

// The side of a control that only the window sees.
class ControlParts {
 public:
  virtual ~ControlParts() = default;
  virtual Control& AsControl() = 0;
  virtual QWidget* Widget() const = 0;  // null for controls without a widget
  // Where child controls go (a group box's inside); null when it takes none.
  virtual QWidget* ChildArea() const { return Widget(); }
  // The window's client area has a new size (a docked status bar follows it).
  virtual void ClientResized(QSize) {}
};

// Everything a control kind's constructor gets.
struct ControlContext {
  FormWindow& window;
  const ControlSpec& spec;
  QWidget* parent;  // the widget the control's widget goes into
};

template <class Interface>
class WidgetControl : public Interface, public ControlParts {
 public:
  Control& AsControl() override { return *this; }
  QWidget* Widget() const override { return widget_.data(); }

  const Text& Name() const override { return name_; }
  ControlKind Kind() const override { return kind_; }
  Text GetText() const override { return text_; }
  void SetText(const Text& text) override { text_ = text; }
  bool Visible() const override { return widget_ && !widget_->isHidden(); }
  void SetVisible(bool visible) override {
    if (widget_) widget_->setVisible(visible);
  }
  bool Disabled() const override { return widget_ && widget_->testAttribute(Qt::WA_ForceDisabled); }
  void SetDisabled(bool disabled) override {
    if (widget_) widget_->setEnabled(!disabled);
  }
  int Left() const override { return widget_ ? widget_->x() : 0; }
  int Top() const override { return widget_ ? widget_->y() : 0; }
  int Width() const override { return widget_ ? widget_->width() : 0; }
  int Height() const override { return widget_ ? widget_->height() : 0; }
  void SetLeft(int left) override { Place(left, Top(), Width(), Height()); }
  void SetTop(int top) override { Place(Left(), top, Width(), Height()); }
  void SetWidth(int width) override { Place(Left(), Top(), width, Height()); }
  void SetHeight(int height) override { Place(Left(), Top(), Width(), height); }
  bool Checked() const override { return false; }
  void SetChecked(bool) override {}
  int Period() const override { return 0; }
  void SetPeriod(int) override {}

 protected:
  // Takes a widget already parented into the client area and gives it the row's common settings.
  WidgetControl(const ControlContext& context, QWidget* widget)
      : name_(context.spec.name), kind_(context.spec.kind), widget_(widget) {
    Place(context.spec.left, context.spec.top, context.spec.width, context.spec.height);
    if (context.spec.disabled) widget->setEnabled(false);
    // Explicitly, so that the setting reads back before the window is first shown.
    widget->setVisible(context.spec.visible);
    text_ = context.spec.text;
  }

  void Place(int left, int top, int width, int height) {
    if (widget_) widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
  }

  QWidget* widget() const { return widget_.data(); }

 private:
  Text name_;
  ControlKind kind_;
  QPointer<QWidget> widget_;
  Text text_;  // kinds that show no text of their own keep it here
};

template <class Interface>
class DataControl : public Interface, public ControlParts {
 public:
  Control& AsControl() override { return *this; }
  QWidget* Widget() const override { return nullptr; }

  const Text& Name() const override { return name_; }
  ControlKind Kind() const override { return kind_; }
  Text GetText() const override { return text_; }
  void SetText(const Text& text) override { text_ = text; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Disabled() const override { return disabled_; }
  void SetDisabled(bool disabled) override { disabled_ = disabled; }
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetLeft(int left) override { left_ = left; }
  void SetTop(int top) override { top_ = top; }
  void SetWidth(int width) override { width_ = std::max(width, 0); }
  void SetHeight(int height) override { height_ = std::max(height, 0); }
  bool Checked() const override { return false; }
  void SetChecked(bool) override {}
  int Period() const override { return 0; }
  void SetPeriod(int) override {}

 protected:
  explicit DataControl(const ControlSpec& spec)
      : name_(spec.name),
        kind_(spec.kind),
        text_(spec.text),
        visible_(spec.visible),
        disabled_(spec.disabled),
        left_(spec.left),
        top_(spec.top),
        width_(std::max(spec.width, 0)),
        height_(std::max(spec.height, 0)) {}

 private:
  Text name_;
  ControlKind kind_;
  Text text_;
  bool visible_;
  bool disabled_;
  int left_;
  int top_;
  int width_;
  int height_;
};

}  // namespace runtime::internal
