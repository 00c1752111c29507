#include "platform/runtime/internal/PeerEvents.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "platform/runtime/internal/FormWindow.h"

namespace runtime::internal {

namespace {

class WindowEvents : public QObject {
 public:
  WindowEvents(FormWindow& window, QWidget* owner, bool geometry)
      : QObject(owner), window_(window), geometry_(geometry) {
    owner->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
            window_.EscCloses()) {
          window_.RequestClose();
          return true;
        }
        break;
      }
      case QEvent::Resize:
      case QEvent::Move:
      case QEvent::Show:
        if (geometry_) window_.FitClientArea();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  FormWindow& window_;
  bool geometry_;
};

}  // namespace

QObject* WatchPeer(FormWindow& window, QWidget* peer) {
  return new WindowEvents(window, peer, true);
}

void WatchKeys(FormWindow& window, QWidget* widget) {
  new WindowEvents(window, widget, false);  // owned by the widget
}

}  // namespace runtime::internal
