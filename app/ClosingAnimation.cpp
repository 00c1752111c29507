#include "app/ClosingAnimation.h"

#include "assets/Assets.h"
#include "platform/runtime/Runtime.h"

namespace app {
namespace {

// Positions and sizes are worked out in real numbers and truncated toward zero when written.
int Truncate(double value) {
  return static_cast<int>(value);
}

}  // namespace

AnimationEnd RunClosingAnimation(win32::HWND handle, double n, const AnimationWait& wait) {
  runtime::Window* window = runtime::WindowOf(handle);
  if (window == nullptr) return AnimationEnd::WindowGone;

  window->SetBorder(runtime::Border::None);
  window->SetPictureMode(runtime::PictureMode::Stretched);
  {
    bytes::ByteBlock snapshot = window->Snapshot();
    window->SetBackgroundPicture(snapshot);
  }

  const double a = window->Width() / n;
  const double b = window->Height() / n;

  // Waits run other handlers; the close box or Esc may destroy the window in one of them.
  auto waitAndFind = [&](int milliseconds) {
    wait(milliseconds);
    return runtime::WindowOf(handle);
  };

  const int verticalSteps = Truncate(n / 2);
  for (int i = 1; i <= verticalSteps; ++i) {
    if ((window = waitAndFind(10)) == nullptr) return AnimationEnd::WindowGone;
    window->SetHeight(Truncate(window->Height() - 2 * b));
    window->SetTop(Truncate(window->Top() + b));
  }

  if ((window = waitAndFind(30)) == nullptr) return AnimationEnd::WindowGone;
  window->SetHeight(2);
  window->SetShape(runtime::Shape::Ellipse);

  const int horizontalSteps = Truncate(n / 2);
  for (int j = 1; j <= horizontalSteps; ++j) {
    if ((window = waitAndFind(10)) == nullptr) return AnimationEnd::WindowGone;
    if (window->Width() < 10) break;
    window->SetLeft(Truncate(window->Left() + a));
    window->SetWidth(Truncate(window->Width() - 2 * a));
  }

  window->SetBackgroundPicture(assets::SilverPicture());
  const int left = window->Left();
  const int top = window->Top();
  const int width = window->Width();
  const int height = window->Height();
  window->Move(left - 10, top - 3, width + 20, height + 6);

  if ((window = waitAndFind(30)) == nullptr) return AnimationEnd::WindowGone;
  window->SetVisible(false);
  return AnimationEnd::Finished;
}

}  // namespace app
