#include "assets/Assets.h"

#include <iterator>

#include "EmbeddedBlocks.h"

namespace assets {
namespace {

// The frames in the order of display.
constexpr const std::uint8_t* kSplashFrames[] = {
    embedded::kSplashFrame01, embedded::kSplashFrame02, embedded::kSplashFrame03,
    embedded::kSplashFrame04, embedded::kSplashFrame05, embedded::kSplashFrame06,
    embedded::kSplashFrame07, embedded::kSplashFrame08, embedded::kSplashFrame09,
    embedded::kSplashFrame10, embedded::kSplashFrame11, embedded::kSplashFrame12,
    embedded::kSplashFrame13, embedded::kSplashFrame14, embedded::kSplashFrame15,
    embedded::kSplashFrame16, embedded::kSplashFrame17, embedded::kSplashFrame18,
    embedded::kSplashFrame19, embedded::kSplashFrame20, embedded::kSplashFrame21,
    embedded::kSplashFrame22, embedded::kSplashFrame23, embedded::kSplashFrame24,
    embedded::kSplashFrame25, embedded::kSplashFrame26, embedded::kSplashFrame27,
    embedded::kSplashFrame28, embedded::kSplashFrame29, embedded::kSplashFrame30,
    embedded::kSplashFrame31, embedded::kSplashFrame32, embedded::kSplashFrame33,
    embedded::kSplashFrame34, embedded::kSplashFrame35,
};
static_assert(std::size(kSplashFrames) == kSplashFrameCount);

}  // namespace

int SplashFrameCount() {
  return kSplashFrameCount;
}

const std::uint8_t* SplashFrameLayout(int n) {
  if (n < 1 || n > kSplashFrameCount) return nullptr;
  return kSplashFrames[n - 1];
}

bytes::ByteBlockView SplashFrame(int n) {
  return bytes::ByteBlockView::FromLayout(SplashFrameLayout(n));
}

const std::uint8_t* SilverPictureLayout() {
  return embedded::kSilverPicture;
}

bytes::ByteBlockView SilverPicture() {
  return bytes::ByteBlockView::FromLayout(SilverPictureLayout());
}

const std::uint8_t* ProgramIconLayout() {
  return embedded::kProgramIcon;
}

bytes::ByteBlockView ProgramIcon() {
  return bytes::ByteBlockView::FromLayout(ProgramIconLayout());
}

}  // namespace assets
