// GDI fonts: LOGFONTA objects, the stock GUI font, and the Qt font a LOGFONTA stands for.
#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>

#include "platform/win32/Gdi.h"
#include "platform/win32/Kernel.h"
#include "platform/win32/internal/GdiTable.h"
#include "platform/win32/internal/Text.h"

namespace win32 {

namespace {

constexpr const char* kPreferredFace = "WenQuanYi Micro Hei";

// An installed face that can show Chinese text: the preferred one when it is there.
std::string GuiFace() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return kPreferredFace;
  }
  const QStringList families = QFontDatabase::families();
  if (families.contains(QString::fromLatin1(kPreferredFace))) return kPreferredFace;
  for (const QString& family : families) {
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) {
      const std::string face = internal::FromQString(family);
      if (face.size() < LF_FACESIZE) return face;
    }
  }
  return kPreferredFace;
}

void SetFace(LOGFONTA& font, LPCSTR face) {
  std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
  if (face == nullptr) return;
  const std::size_t length = strnlen(face, LF_FACESIZE - 1);
  std::memcpy(font.lfFaceName, face, length);
}

}  // namespace

namespace internal {

LOGFONTA DefaultGuiLogFont() {
  LOGFONTA font{};
  font.lfHeight = -12;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  SetFace(font, GuiFace().c_str());
  return font;
}

QFont QtFont(const LOGFONTA& font) {
  const std::string face(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
  QFont qt(ToQString(face));
  // Negative heights are character heights, positive ones cell heights; both are taken as the
  // font's pixel size, 0 as the GUI font's 12.
  const int height = font.lfHeight == 0 ? 12 : std::abs(font.lfHeight);
  qt.setPixelSize(std::max(1, height));
  const int weight = font.lfWeight == 0 ? FW_NORMAL : font.lfWeight;
  qt.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
  qt.setItalic(font.lfItalic != 0);
  qt.setUnderline(font.lfUnderline != 0);
  qt.setStrikeOut(font.lfStrikeOut != 0);
  return qt;
}

QFont WindowFont(HWND window) {
  WindowRecord* record = Find(window);
  GdiObject* object = record == nullptr ? nullptr : FindObject(record->font);
  if (object != nullptr && object->kind == GdiKind::Font) return QtFont(object->font);
  return QtFont(DefaultGuiLogFont());
}

}  // namespace internal

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  internal::State* state = internal::Gui();
  if (state == nullptr) return nullptr;
  if (font == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto object = std::make_unique<internal::GdiObject>();
  object->kind = internal::GdiKind::Font;
  object->font = *font;
  object->font.lfFaceName[LF_FACESIZE - 1] = '\0';  // the face name always ends inside
  const HFONT handle = internal::NewHandle<HFONT>();
  state->objects.emplace(handle, std::move(object));
  return handle;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = BYTE(italic);
  font.lfUnderline = BYTE(underline);
  font.lfStrikeOut = BYTE(strikeOut);
  font.lfCharSet = BYTE(charSet);
  font.lfOutPrecision = BYTE(outPrecision);
  font.lfClipPrecision = BYTE(clipPrecision);
  font.lfQuality = BYTE(quality);
  font.lfPitchAndFamily = BYTE(pitchAndFamily);
  SetFace(font, faceName);
  return CreateFontIndirectA(&font);
}

}  // namespace win32
