// Finding a control's widget and reading what it shows.
#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QRegion>
#include <QTableView>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/runtime/internal/GbkText.h"
#include "platform/win32/internal/Peer.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace runtime::test {

using internal::GbkToQString;
using internal::QStringToGbk;

namespace {

QTableView* TableOf(Window& window, std::string_view list) {
  auto* view = qobject_cast<QTableView*>(WidgetOf(window, list));
  if (view == nullptr) ADD_FAILURE() << "no list view widget named " << list;
  return view;
}

Rgb ToRgb(const QColor& colour) {
  return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
             static_cast<std::uint8_t>(colour.blue())};
}

Place ToPlace(const QRect& rect) {
  return Place{rect.x(), rect.y(), rect.width(), rect.height()};
}

QWidget* ClientAreaOf(Window& window) {
  QWidget* peer = PeerOf(window);
  return peer == nullptr ? nullptr : peer->findChild<QWidget*>(QStringLiteral("client area"));
}

}  // namespace

QWidget* PeerOf(Window& window) {
  return win32::internal::PeerOf(window.Handle());
}

QWidget* WidgetOf(Window& window, std::string_view name) {
  QWidget* client = ClientAreaOf(window);
  if (client == nullptr) {
    ADD_FAILURE() << "the window has no client area on screen";
    return nullptr;
  }
  QWidget* widget = client->findChild<QWidget*>(GbkToQString(name));
  if (widget == nullptr) ADD_FAILURE() << "no widget for the control named " << name;
  return widget;
}

std::string ShownText(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return QStringToGbk(line->text());
  if (auto* plain = qobject_cast<QTextEdit*>(widget)) {
    return QStringToGbk(plain->toPlainText());
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) return QStringToGbk(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return QStringToGbk(button->text());
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return QStringToGbk(group->title());
  if (widget != nullptr) ADD_FAILURE() << "the widget of " << name << " shows no text";
  return {};
}

std::string ShownCell(Window& window, std::string_view list, int row, int column) {
  QTableView* view = TableOf(window, list);
  if (view == nullptr) return {};
  return QStringToGbk(view->model()->index(row, column).data(Qt::DisplayRole).toString());
}

std::string ShownColumnTitle(Window& window, std::string_view list, int column) {
  QTableView* view = TableOf(window, list);
  if (view == nullptr) return {};
  return QStringToGbk(view->model()->headerData(column, Qt::Horizontal).toString());
}

int ShownColumnWidth(Window& window, std::string_view list, int column) {
  QTableView* view = TableOf(window, list);
  return view == nullptr ? 0 : view->columnWidth(column);
}

std::string ShownPanelText(Window& window, std::string_view statusBar, int panel) {
  QWidget* bar = WidgetOf(window, statusBar);
  if (bar == nullptr) return {};
  auto* label = bar->findChild<QLabel*>(QStringLiteral("panel %1").arg(panel + 1));
  if (label == nullptr) {
    ADD_FAILURE() << "the status bar " << statusBar << " has no panel " << panel;
    return {};
  }
  return QStringToGbk(label->text());
}

Place WidgetPlace(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  return widget == nullptr ? Place{} : ToPlace(widget->geometry());
}

Place PlaceInClientArea(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  QWidget* client = ClientAreaOf(window);
  if (widget == nullptr || client == nullptr) return {};
  return ToPlace(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()));
}

Place ClientAreaPlace(Window& window) {
  QWidget* client = ClientAreaOf(window);
  return client == nullptr ? Place{} : ToPlace(client->geometry());
}

bool WidgetShown(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  return widget != nullptr && widget->isVisible();
}

bool WidgetEnabled(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  return widget != nullptr && widget->isEnabled();
}

bool WidgetHasFocus(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  return widget != nullptr && widget->hasFocus();
}

Rgb TextColourOf(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return {};
  const QPalette::ColorRole role = qobject_cast<QLineEdit*>(widget) != nullptr ||
                                           qobject_cast<QTextEdit*>(widget) != nullptr ||
                                           qobject_cast<QTableView*>(widget) != nullptr
                                       ? QPalette::Text
                                       : QPalette::WindowText;
  return ToRgb(
      widget->palette().color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled, role));
}

Rgb BackgroundOf(Window& window, std::string_view name) {
  QWidget* widget = WidgetOf(window, name);
  if (widget == nullptr) return {};
  const bool field = qobject_cast<QLineEdit*>(widget) != nullptr ||
                     qobject_cast<QTextEdit*>(widget) != nullptr ||
                     qobject_cast<QTableView*>(widget) != nullptr;
  return ToRgb(widget->palette().color(field ? QPalette::Base : QPalette::Window));
}

bool PeerStaysOnTop(Window& window) {
  QWidget* peer = PeerOf(window);
  return peer != nullptr && (peer->windowFlags() & Qt::WindowStaysOnTopHint);
}

bool PeerHasEllipseMask(Window& window) {
  QWidget* peer = PeerOf(window);
  if (peer == nullptr) return false;
  const QRect outer =
      QRect(QPoint(window.Left(), window.Top()), QSize(window.Width(), window.Height()))
          .translated(-peer->geometry().topLeft());
  return !peer->mask().isEmpty() && peer->mask() == QRegion(outer, QRegion::Ellipse);
}

}  // namespace runtime::test
