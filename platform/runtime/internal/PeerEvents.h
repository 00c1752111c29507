#pragma once
// Qt events of a loaded window that the runtime answers itself: Esc on the window or any of its
// controls sends the window a close request (when its form says so), and a resized or moved peer
// keeps the client area, the status bar and the shape over the window's rectangle.

class QObject;
class QWidget;

namespace runtime::internal {

class FormWindow;

// Watches the peer (size, place, keys); the watcher belongs to the peer, and the window deletes
// it when it leaves the peer. WatchKeys watches one of the window's own widgets (keys).
QObject* WatchPeer(FormWindow& window, QWidget* peer);
void WatchKeys(FormWindow& window, QWidget* widget);

}  // namespace runtime::internal
