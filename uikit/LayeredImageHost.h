#pragma once
// The layered image host: turns one top-level window into a per-pixel-alpha layered window whose
// whole look is a picture the kit composes (back image, skinned controls, caret line). It owns
// nothing but its window handle; operations on a window that is gone return false or do nothing.

#include <memory>
#include <optional>

#include "platform/bytes/ByteBlock.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace uikit {

// Whether SetBounds lets the window be redrawn.
enum class Redraw { Yes, No };

// The properties the host keeps on its window.
inline constexpr char kTimeProperty[] = "PngControl_Time";
inline constexpr char kBackImageProperty[] = "PngControl_BackImage";
inline constexpr win32::UINT_PTR kBlinkTimerId = 64;
inline constexpr win32::UINT kBlinkPeriod = 500;

class LayeredImageHost {
 public:
  LayeredImageHost() = default;
  explicit LayeredImageHost(win32::HWND window) : window_(window) {}
  virtual ~LayeredImageHost();
  // A host is copied only through Copy, which makes a new host with the same window.
  LayeredImageHost(const LayeredImageHost&) = delete;
  LayeredImageHost& operator=(const LayeredImageHost&) = delete;
  virtual std::unique_ptr<LayeredImageHost> Copy() const;

  // Makes the window layered, gives it the caret and, once per window, the blink timer.
  virtual bool Attach(win32::HWND window);
  // The image becomes the window's back image by reference (it stays its owner's); then the
  // window is composed and presented. False when the window is gone or the image is null.
  virtual bool SetBackImage(gdiplus::GpImage* image);
  // Decodes the bytes and makes the result the back image; the kit releases that image once it
  // is no window's back image any more.
  virtual bool SetImageData(bytes::ByteBlockView block);
  // Hooks the window's skinned child controls with the kit's procedures, then recomposes.
  virtual void SkinChildren();
  // Moves and/or sizes the window; a coordinate not given keeps the window's current one.
  virtual void SetBounds(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                         std::optional<int> height, Redraw redraw);
  virtual win32::HWND GetHandle() const;
  virtual bool IsAlive() const;
  virtual win32::LRESULT Send(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam);

 private:
  win32::HWND window_{nullptr};
};

}  // namespace uikit
