// Access to the peers from the rest of the stand-in and from the window runtime, and their
// release with their window.
#include "platform/win32/internal/Peer.h"

#include "platform/win32/internal/PeerWidget.h"

namespace win32::internal {

void PeerRelease::operator()(PeerWidget* peer) const {
  State* state = Gui();
  if (state != nullptr && state->releasingQt) {
    delete peer;
    return;
  }
  // The peer may be running one of its own event handlers right now (a close request whose
  // WM_CLOSE destroyed the window): hide it at once, delete it once the handler is done.
  peer->hide();
  peer->deleteLater();
}

QWidget* PeerOf(HWND window) {
  WindowRecord* record = Find(window);
  return record == nullptr ? nullptr : record->peer.get();
}

HWND WindowOfPeer(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (const auto* peer = dynamic_cast<const PeerWidget*>(w)) {
      WindowRecord* record = Find(peer->Window());
      return record != nullptr && record->peer.get() == peer ? peer->Window() : nullptr;
    }
  }
  return nullptr;
}

const QImage* PresentedPicture(HWND window) {
  WindowRecord* record = Find(window);
  return record == nullptr ? nullptr : record->picture.get();
}

}  // namespace win32::internal
