#include "platform/runtime/internal/Colours.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace runtime::internal {

namespace {

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive,
                                            QPalette::Disabled};

// Swaps the selection colours for the plain text colours while the widget has no focus, and
// back when it gets it.
class SelectionHider : public QObject {
 public:
  SelectionHider(QWidget* widget) : QObject(widget), widget_(widget) {
    for (QPalette::ColorGroup group : kGroups) {
      highlight_[group] = widget->palette().color(group, QPalette::Highlight);
      highlightedText_[group] = widget->palette().color(group, QPalette::HighlightedText);
    }
    Apply(widget->hasFocus());
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_) {
      if (event->type() == QEvent::FocusIn) Apply(true);
      if (event->type() == QEvent::FocusOut) Apply(false);
    }
    return false;
  }

 private:
  void Apply(bool focused) {
    QPalette palette = widget_->palette();
    for (QPalette::ColorGroup group : kGroups) {
      palette.setColor(group, QPalette::Highlight,
                       focused ? highlight_[group] : palette.color(group, QPalette::Base));
      palette.setColor(group, QPalette::HighlightedText,
                       focused ? highlightedText_[group] : palette.color(group, QPalette::Text));
    }
    widget_->setPalette(palette);
  }

  QWidget* widget_;
  QColor highlight_[QPalette::NColorGroups];
  QColor highlightedText_[QPalette::NColorGroups];
};

}  // namespace

void SetColours(QWidget* widget, std::optional<Rgb> text, std::optional<Rgb> background,
                Fill fill) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : kGroups) {
    if (text) {
      const QColor colour = ToQColor(*text);
      palette.setColor(group, QPalette::Text, colour);
      palette.setColor(group, QPalette::WindowText, colour);
      palette.setColor(group, QPalette::ButtonText, colour);
    }
    if (background) {
      const QColor colour = ToQColor(*background);
      if (fill == Fill::WindowAndBase) palette.setColor(group, QPalette::Base, colour);
      palette.setColor(group, QPalette::Window, colour);
    }
  }
  widget->setPalette(palette);
  if (background) widget->setAutoFillBackground(true);
}

void HideSelectionWhileUnfocused(QWidget* widget) {
  new SelectionHider(widget);  // owned by the widget
}

}  // namespace runtime::internal
