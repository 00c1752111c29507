#include "uikit/FrameDimension.h"

#include "uikit/KitState.h"
#include "uikit/TextConvert.h"

namespace uikit {

namespace {
constexpr char kTimeDimensionText[] = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
}

void PrepareFrameDimension() {
  KitState& kit = Kit();
  kit.frameDimension.emplace(sizeof(com::GUID));
  const bytes::ByteBlock text = AnsiToUtf16(kTimeDimensionText);
  com::CLSIDFromString(reinterpret_cast<const char16_t*>(text.data()),
                       reinterpret_cast<com::CLSID*>(kit.frameDimension->data()));
}

const com::GUID* FrameDimension() {
  const KitState& kit = Kit();
  if (!kit.frameDimension) return nullptr;
  return reinterpret_cast<const com::GUID*>(kit.frameDimension->data());
}

void FreeFrameDimension() {
  Kit().frameDimension.reset();
}

}  // namespace uikit
