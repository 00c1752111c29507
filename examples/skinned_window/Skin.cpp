#include "examples/skinned_window/Skin.h"

#include "ExampleArt.h"
#include "platform/win32/Gdi.h"
#include "uikit/Decode.h"

namespace example {

namespace {

Picture Decoded(const std::uint8_t* layout) {
  return Picture(uikit::DecodeImage(bytes::ByteBlockView::FromLayout(layout)));
}

}  // namespace

void PictureRelease::operator()(gdiplus::GpImage* image) const {
  uikit::DisposeImage(image);
}

Skin::~Skin() {
  if (textFont_ != nullptr) win32::DeleteObject(textFont_);
}

bool Skin::Load() {
  picture_ = Decoded(art::kPicture);
  buttonNormal_ = Decoded(art::kButtonNormal);
  buttonHover_ = Decoded(art::kButtonHover);
  buttonPressed_ = Decoded(art::kButtonPressed);
  buttonDisabled_ = Decoded(art::kButtonDisabled);
  if (textFont_ == nullptr) {
    // 14 pixels high (a negative height is the character height, without the leading).
    textFont_ = win32::CreateFontA(-14, 0, 0, 0, win32::FW_NORMAL, 0, 0, 0, win32::DEFAULT_CHARSET,
                                   0, 0, 0, 0, "WenQuanYi Micro Hei");
  }
  return picture_ && buttonNormal_ && buttonHover_ && buttonPressed_ && buttonDisabled_ &&
         textFont_ != nullptr;
}

bytes::ByteBlockView Skin::backPicture() const {
  return bytes::ByteBlockView::FromLayout(art::kBackPicture);
}

}  // namespace example
