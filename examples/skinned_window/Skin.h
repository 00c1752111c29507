#pragma once
// The example's look: the window's back picture (PNG bytes, which the kit decodes), the decoded
// pictures of its controls and the text box's GDI font. It owns the pictures and the font
// (disposed and deleted by the destructor), so it must outlive the window that shows them. Load
// gives false when a picture does not decode or the font cannot be made.

#include <memory>

#include "platform/bytes/ByteBlock.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace example {

// Gives a decoded picture back to the kit (DisposeImage).
struct PictureRelease {
  void operator()(gdiplus::GpImage* image) const;
};
using Picture = std::unique_ptr<gdiplus::GpImage, PictureRelease>;

class Skin {
 public:
  Skin() = default;
  ~Skin();
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;

  bool Load();

  bytes::ByteBlockView backPicture() const;
  gdiplus::GpImage* picture() const { return picture_.get(); }
  gdiplus::GpImage* buttonNormal() const { return buttonNormal_.get(); }
  gdiplus::GpImage* buttonHover() const { return buttonHover_.get(); }
  gdiplus::GpImage* buttonPressed() const { return buttonPressed_.get(); }
  gdiplus::GpImage* buttonDisabled() const { return buttonDisabled_.get(); }
  win32::HFONT textFont() const { return textFont_; }

 private:
  Picture picture_;
  Picture buttonNormal_;
  Picture buttonHover_;
  Picture buttonPressed_;
  Picture buttonDisabled_;
  win32::HFONT textFont_{nullptr};
};

}  // namespace example
