#pragma once
// Inside the GDI+ stand-in only: what each kind of GDI+ object holds in the object table.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Handles.h"

namespace gdiplus::internal {

// Every picture the stand-in paints on or measures against is taken at 96 dots per inch, so that
// point sizes come out as they do on a default Windows desktop.
inline constexpr int kDotsPerMeter = 3780;

// A decoded picture or a bitmap. `pixels` is the active frame; it wraps the caller's memory when
// the bitmap was made over it, and is premultiplied ARGB otherwise.
struct ImageObject : Object {
  QImage pixels;
  PixelFormat format{PixelFormat32bppARGB};
  // A decoded picture keeps its file bytes (to decode other frames) and the stream it came from,
  // with a reference of its own, for as long as it lives.
  QByteArray file;
  QByteArray codec;
  com::IStream* stream{nullptr};
  UINT frameCount{1};
  UINT activeFrame{0};
  bool animated{false};  // its frames run in time (a GIF); others have pages

  ImageObject() = default;
  ~ImageObject() override {
    if (stream != nullptr) stream->Release();
  }
  ImageObject(const ImageObject&) = delete;
  ImageObject& operator=(const ImageObject&) = delete;

  const com::GUID& Dimension() const { return animated ? FrameDimensionTime : FrameDimensionPage; }
};

// What a graphics draws on: a bitmap of the table (looked up again for every call, so a disposed
// bitmap is noticed) or a memory DC's selected DIB.
struct GraphicsObject : Object {
  const void* image{nullptr};
  HDC dc{nullptr};
};

struct PenObject : Object {
  ARGB color{0};
  REAL width{1};
  Unit unit{UnitWorld};
};

struct SolidFillObject : Object {
  ARGB color{0};
};

struct FontFamilyObject : Object {
  QString name;  // as the font database spells it
};

// The installed family named `name`, ignoring case as Windows does; empty when none.
QString InstalledFamily(const QString& name);

struct FontObject : Object {
  QString family;
  REAL emSize{0};
  INT style{FontStyleRegular};
  Unit unit{UnitPoint};

  // The font for painting on a 96-dpi picture.
  QFont ToQFont() const;
  // The em size in pixels at 96 dpi.
  qreal PixelSize() const;
};

struct StringFormatObject : Object {
  INT flags{0};
  LANGID language{0};
  StringAlignment align{StringAlignmentNear};
  StringAlignment lineAlign{StringAlignmentNear};
};

}  // namespace gdiplus::internal
