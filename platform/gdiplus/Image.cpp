// Images decoded from streams (PNG, BMP, GIF, JPEG through QImageReader), their size and pixel
// format, and frame selection in animated pictures.

#include <QBuffer>
#include <QImageReader>

#include <memory>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {
namespace {

using internal::ImageObject;

// The picture formats GDI+ decodes that the kit can meet; other readers Qt has are not offered.
bool IsKnownCodec(const QByteArray& codec) {
  return codec == "png" || codec == "bmp" || codec == "gif" || codec == "jpeg" || codec == "jpg";
}

// Everything from the stream's position to its end.
QByteArray ReadRest(com::IStream* stream) {
  QByteArray bytes;
  char chunk[64 * 1024];
  for (;;) {
    win32::ULONG got = 0;
    if (com::FAILED(stream->Read(chunk, sizeof chunk, &got)) || got == 0) break;
    bytes.append(chunk, qsizetype(got));
  }
  return bytes;
}

// The codec that recognises `file` by its content, or empty.
QByteArray CodecOf(const QByteArray& file) {
  QBuffer buffer;
  buffer.setData(file);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  return reader.format();
}

// Decodes frame `index` of `file`: readers of animated pictures go through the frames in order.
bool DecodeFrame(const QByteArray& file, const QByteArray& codec, UINT index, QImage* frame) {
  QBuffer buffer;
  buffer.setData(file);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, codec);
  QImage image;
  for (UINT i = 0; i <= index; ++i) {
    if (!reader.read(&image)) return false;
  }
  *frame = std::move(image);
  return true;
}

// The pixel format GDI+ reports for a decoded file: what the file stores, not what is drawn.
PixelFormat FormatOf(const QByteArray& file, const QByteArray& codec, const QImage& frame) {
  if (codec == "gif") return PixelFormat8bppIndexed;
  if (codec == "bmp" && file.size() >= 30) {
    int bits = std::uint8_t(file[28]) | std::uint8_t(file[29]) << 8;  // biBitCount
    switch (bits) {
      case 1:
        return PixelFormat1bppIndexed;
      case 4:
        return PixelFormat4bppIndexed;
      case 8:
        return PixelFormat8bppIndexed;
      case 16:
        return PixelFormat16bppRGB555;
      case 24:
        return PixelFormat24bppRGB;
      default:
        return frame.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    }
  }
  switch (frame.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      return PixelFormat1bppIndexed;
    case QImage::Format_Indexed8:
      return PixelFormat8bppIndexed;
    case QImage::Format_Grayscale8:
      return codec == "png" ? PixelFormat32bppARGB : PixelFormat8bppIndexed;
    default:
      return frame.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat24bppRGB;
  }
}

// The frame as it is kept for drawing: premultiplied, at 96 dpi.
QImage Drawable(const QImage& frame) {
  QImage image = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  image.setDotsPerMeterX(internal::kDotsPerMeter);
  image.setDotsPerMeterY(internal::kDotsPerMeter);
  return image;
}

}  // namespace

// The image keeps its own reference to the stream, as GDI+ may go back to it while the image
// lives; the bytes are read once, from the stream's position on.
GpStatus GdipLoadImageFromStream(com::IStream* stream, GpImage** image) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (stream == nullptr || image == nullptr) return InvalidParameter;
  QByteArray file = ReadRest(stream);
  QByteArray codec = file.isEmpty() ? QByteArray() : CodecOf(file);
  if (!IsKnownCodec(codec)) return UnknownImageFormat;
  QImage frame;
  if (!DecodeFrame(file, codec, 0, &frame) || frame.isNull()) return GenericError;

  auto object = std::make_unique<ImageObject>();
  object->format = FormatOf(file, codec, frame);
  object->pixels = Drawable(frame);
  if (object->pixels.isNull()) return OutOfMemory;
  object->animated = codec == "gif";
  if (object->animated) {
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, codec);
    object->frameCount = UINT(std::max(1, reader.imageCount()));
  }
  object->file = std::move(file);
  object->codec = std::move(codec);
  stream->AddRef();
  object->stream = stream;
  *image = internal::Add<GpImage>(std::move(object));
  return Ok;
}

GpStatus GdipDisposeImage(GpImage* image) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<ImageObject>(image) ? Ok : InvalidParameter;
}

GpStatus GdipGetImageWidth(GpImage* image, UINT* width) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || width == nullptr) return InvalidParameter;
  *width = UINT(object->pixels.width());
  return Ok;
}

GpStatus GdipGetImageHeight(GpImage* image, UINT* height) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || height == nullptr) return InvalidParameter;
  *height = UINT(object->pixels.height());
  return Ok;
}

GpStatus GdipGetImageDimension(GpImage* image, REAL* width, REAL* height) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || width == nullptr || height == nullptr) return InvalidParameter;
  *width = REAL(object->pixels.width());
  *height = REAL(object->pixels.height());
  return Ok;
}

GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || format == nullptr) return InvalidParameter;
  *format = object->format;
  return Ok;
}

// An image has one frame dimension: time for a GIF, pages for everything else.
GpStatus GdipImageGetFrameCount(GpImage* image, const com::GUID* dimension, UINT* count) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || dimension == nullptr || count == nullptr) return InvalidParameter;
  if (*dimension != object->Dimension()) return InvalidParameter;
  *count = object->frameCount;
  return Ok;
}

// Selecting a frame decodes it into the image; selecting the active one again changes nothing.
// On any failure the image keeps the frame it had.
GpStatus GdipImageSelectActiveFrame(GpImage* image, const com::GUID* dimension, UINT index) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || dimension == nullptr) return InvalidParameter;
  if (*dimension != object->Dimension() || index >= object->frameCount) return InvalidParameter;
  if (index == object->activeFrame) return Ok;
  QImage frame;
  if (!DecodeFrame(object->file, object->codec, index, &frame) || frame.isNull()) {
    return GenericError;
  }
  QImage pixels = Drawable(frame);
  if (pixels.isNull()) return OutOfMemory;
  object->pixels = std::move(pixels);
  object->activeFrame = index;
  return Ok;
}

}  // namespace gdiplus
