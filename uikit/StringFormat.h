#pragma once
// The string format object: owns one GDI+ string format (deleted by Release and the destructor).
// Its operations report no status; a failed Create leaves it empty.

#include "platform/gdiplus/Gdiplus.h"

namespace uikit {

class StringFormat {
 public:
  StringFormat() = default;
  virtual ~StringFormat();
  // One owner per format: a copy would delete it twice.
  StringFormat(const StringFormat&) = delete;
  StringFormat& operator=(const StringFormat&) = delete;

  virtual void Release();
  virtual void Create(int formatFlags, int language);
  virtual void SetAlign(int alignment);
  virtual void SetLineAlign(int alignment);
  // Horizontal alignment first, then the vertical (line) alignment.
  virtual void SetAlignments(int alignment, int lineAlignment);
  // Releases what is held, then keeps `handle` (null too).
  virtual void SetHandle(gdiplus::GpStringFormat* handle);
  virtual gdiplus::GpStringFormat* GetHandle() const;

 private:
  gdiplus::GpStringFormat* handle_{nullptr};
};

}  // namespace uikit
