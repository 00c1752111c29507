#pragma once
// The GDI+ flat interface the kit calls, stood in over QImage/QPainter. Every object handle comes
// from the stand-in's own table: a handle that was never made, or has been deleted or disposed,
// gives InvalidParameter (never a crash), and so does a null out-argument.

#include <cstdint>

#include "platform/com/Com.h"
#include "platform/win32/Types.h"

namespace gdiplus {

using win32::BOOL;
using win32::BYTE;
using win32::HDC;
using win32::UINT;
using win32::ULONG_PTR;
using win32::WCHAR;
using INT = int;
using UINT32 = std::uint32_t;
using REAL = float;
using ARGB = std::uint32_t;
using LANGID = std::uint16_t;
using PixelFormat = std::int32_t;

enum GpStatus : int {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20,
};

enum GpUnit : int {
  UnitWorld = 0,
  UnitDisplay = 1,
  UnitPixel = 2,
  UnitPoint = 3,
  UnitInch = 4,
  UnitDocument = 5,
  UnitMillimeter = 6,
};
using Unit = GpUnit;

enum FontStyle : int {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleBoldItalic = 3,
  FontStyleUnderline = 4,
  FontStyleStrikeout = 8,
};

enum StringAlignment : int {
  StringAlignmentNear = 0,
  StringAlignmentCenter = 1,
  StringAlignmentFar = 2,
};

inline constexpr INT StringFormatFlagsNoFitBlackBox = 0x00000004;
inline constexpr INT StringFormatFlagsNoWrap = 0x00001000;
inline constexpr INT StringFormatFlagsNoClip = 0x00004000;

inline constexpr PixelFormat PixelFormat1bppIndexed = 0x00030101;
inline constexpr PixelFormat PixelFormat4bppIndexed = 0x00030402;
inline constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;
inline constexpr PixelFormat PixelFormat16bppRGB555 = 0x00021005;
inline constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
inline constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
inline constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
inline constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

struct RectF {
  REAL X;
  REAL Y;
  REAL Width;
  REAL Height;
};

using DebugEventProc = void (*)(int level, char* message);

struct GdiplusStartupInput {
  UINT32 GdiplusVersion;
  DebugEventProc DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};

struct GdiplusStartupOutput {
  void* NotificationHook;
  void* NotificationUnhook;
};

// Opaque object types; the handles are keys of the stand-in's table.
struct GpImage {};
struct GpBitmap : GpImage {};
struct GpGraphics {};
struct GpPen {};
struct GpBrush {};
struct GpSolidFill : GpBrush {};
struct GpFont {};
struct GpFontFamily {};
struct GpFontCollection {};
struct GpStringFormat {};

// The time dimension of an animated picture: {6AEDBD6D-3FB5-418A-83A6-7F45229DC872}.
extern const com::GUID FrameDimensionTime;
// The page dimension of a picture that is not animated: {7462DC86-6180-4C7E-8E3F-EE7333A7A483}.
extern const com::GUID FrameDimensionPage;

// Start-up. Drawing and decoding before a successful start-up give GdiplusNotInitialized.
GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                        GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);

// Images. A loaded image may read its stream again while it lives (the caller keeps it alive).
GpStatus GdipLoadImageFromStream(com::IStream* stream, GpImage** image);
GpStatus GdipDisposeImage(GpImage* image);
GpStatus GdipGetImageWidth(GpImage* image, UINT* width);
GpStatus GdipGetImageHeight(GpImage* image, UINT* height);
GpStatus GdipGetImageDimension(GpImage* image, REAL* width, REAL* height);
GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
GpStatus GdipImageGetFrameCount(GpImage* image, const com::GUID* dimension, UINT* count);
GpStatus GdipImageSelectActiveFrame(GpImage* image, const com::GUID* dimension, UINT index);
GpStatus GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format,
                                   BYTE* scan0, GpBitmap** bitmap);
GpStatus GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color);

// Graphics.
GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus GdipDeleteGraphics(GpGraphics* graphics);
GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color);
GpStatus GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width,
                           REAL height);
GpStatus GdipDrawImagePointRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL srcX,
                                REAL srcY, REAL srcWidth, REAL srcHeight, GpUnit srcUnit);

// Pens, brushes, lines and rectangles.
GpStatus GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
GpStatus GdipDeletePen(GpPen* pen);
GpStatus GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                           REAL height);
GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus GdipDeleteBrush(GpBrush* brush);
GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                           REAL height);

// Fonts and text. Family names are looked up among the system's installed fonts (fontconfig);
// a collection of null means the installed fonts.
GpStatus GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                      GpFontFamily** family);
GpStatus GdipDeleteFontFamily(GpFontFamily* family);
GpStatus GdipCreateFont(const GpFontFamily* family, REAL emSize, INT style, Unit unit,
                        GpFont** font);
GpStatus GdipCreateFontFromDC(HDC dc, GpFont** font);
GpStatus GdipDeleteFont(GpFont* font);
GpStatus GdipGetFontStyle(GpFont* font, INT* style);
GpStatus GdipGetFontSize(GpFont* font, REAL* size);
GpStatus GdipGetFontUnit(GpFont* font, Unit* unit);
GpStatus GdipGetFontHeight(const GpFont* font, const GpGraphics* graphics, REAL* height);
GpStatus GdipCreateStringFormat(INT formatFlags, LANGID language, GpStringFormat** format);
GpStatus GdipDeleteStringFormat(GpStringFormat* format);
GpStatus GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
GpStatus GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
GpStatus GdipDrawString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                        const RectF* layout, const GpStringFormat* format, const GpBrush* brush);

}  // namespace gdiplus
