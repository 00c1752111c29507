// GDI+ start-up and shut-down. Each successful start-up hands out a token of its own; the objects
// live until the last token is shut down.

#include <set>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Handles.h"

namespace gdiplus {

const com::GUID FrameDimensionTime = {
    0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
const com::GUID FrameDimensionPage = {
    0x7462DC86, 0x6180, 0x4C7E, {0x8E, 0x3F, 0xEE, 0x73, 0x33, 0xA7, 0xA4, 0x83}};

namespace {

struct Tokens {
  std::set<ULONG_PTR> live;
  ULONG_PTR next{0x1000};
};

Tokens& StartupTokens() {
  static Tokens* tokens = new Tokens;  // never destroyed, like the object table
  return *tokens;
}

// The hooks a caller that runs GDI+'s background work itself is given; there is no background
// work here, so they have nothing to do.
GpStatus NotificationHook(ULONG_PTR* token) {
  if (token == nullptr) return InvalidParameter;
  *token = 1;
  return Ok;
}
void NotificationUnhook(ULONG_PTR) {}

}  // namespace

namespace internal {
bool Started() {
  return !StartupTokens().live.empty();
}
}  // namespace internal

GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                        GdiplusStartupOutput* output) {
  if (token == nullptr || input == nullptr) return InvalidParameter;
  if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
  // Suppressing the background thread means the caller takes the hooks, so it must give room.
  if (input->SuppressBackgroundThread && output == nullptr) return InvalidParameter;
  if (output != nullptr) {
    bool hooks = input->SuppressBackgroundThread != 0;
    output->NotificationHook = hooks ? reinterpret_cast<void*>(&NotificationHook) : nullptr;
    output->NotificationUnhook = hooks ? reinterpret_cast<void*>(&NotificationUnhook) : nullptr;
  }
  Tokens& tokens = StartupTokens();
  *token = tokens.next++;
  tokens.live.insert(*token);
  return Ok;
}

void GdiplusShutdown(ULONG_PTR token) {
  Tokens& tokens = StartupTokens();
  if (tokens.live.erase(token) == 0) return;  // not a token of a running start-up
  if (tokens.live.empty()) internal::RemoveAllObjects();
}

}  // namespace gdiplus
