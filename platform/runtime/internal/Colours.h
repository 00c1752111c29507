#pragma once
// The form's RGB colours on Qt widgets: text and background for every colour group (a disabled
// control keeps its own text colour), and the edit boxes' and list view's selection, which is
// drawn only while the control has the focus.

#include <QColor>
#include <optional>

#include "platform/runtime/Forms.h"

class QWidget;

namespace runtime::internal {

inline QColor ToQColor(Rgb rgb) {
  return QColor(rgb.r, rgb.g, rgb.b);
}

// Which background roles a background colour sets: the window role only (group boxes, check
// boxes, the client area), or the base role of text fields and lists as well.
enum class Fill { Window, WindowAndBase };

// Text roles (text, window text, button text) and background roles; a missing colour leaves those
// roles as they are. A background colour also makes the widget fill it.
void SetColours(QWidget* widget, std::optional<Rgb> text, std::optional<Rgb> background,
                Fill fill = Fill::WindowAndBase);

// The selection is kept but not drawn while `widget` has no focus.
void HideSelectionWhileUnfocused(QWidget* widget);

}  // namespace runtime::internal
