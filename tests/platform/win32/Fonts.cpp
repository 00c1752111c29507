// CreateFontIndirectA, CreateFontA, GetStockObject(DEFAULT_GUI_FONT), GetObjectA for fonts,
// fonts in DCs and in windows.
#include <QFontDatabase>
#include <QFontInfo>
#include <cstring>

#include "platform/win32/internal/GdiTable.h"
#include "platform/win32/internal/Surface.h"
#include "tests/platform/win32/Gdi.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Fonts = Win32Test;

LOGFONTA Read(HGDIOBJ font) {
  LOGFONTA lf;
  std::memset(&lf, 0xde, sizeof lf);
  EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), 60);
  return lf;
}

TEST_F(Win32Fonts, TheStockGuiFontIsAnInstalledChineseFace) {
  const LOGFONTA lf = Read(GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_EQ(lf.lfWidth, 0);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_EQ(lf.lfItalic, 0);
  EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
  const QString face = QString::fromLatin1(lf.lfFaceName);
  EXPECT_TRUE(QFontDatabase::families().contains(face)) << face.toStdString();
  EXPECT_TRUE(QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese));
  // On this project's machines (fonts-wqy-microhei) it is that face.
  EXPECT_STREQ(lf.lfFaceName, "WenQuanYi Micro Hei");
}

TEST_F(Win32Fonts, GetObjectHonoursTheSize) {
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(GetObjectA(font, 0, nullptr), 60);
  unsigned char buffer[80];
  std::memset(buffer, 0xde, sizeof buffer);
  EXPECT_EQ(GetObjectA(font, 20, buffer), 20);
  EXPECT_EQ(buffer[20], 0xde);  // nothing past the size given
  LONG height = 0;
  std::memcpy(&height, buffer, sizeof height);
  EXPECT_EQ(height, -12);
  EXPECT_EQ(GetObjectA(font, 80, buffer), 60);  // never more than the LOGFONTA
  EXPECT_EQ(buffer[60], 0xde);
  EXPECT_EQ(GetObjectA(font, 0, buffer), 0);
  EXPECT_EQ(GetObjectA(font, -1, buffer), 0);
  SetLastError(0);
  EXPECT_EQ(GetObjectA(reinterpret_cast<HGDIOBJ>(0x10), 60, buffer), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(Win32Fonts, CreateFontIndirectKeepsEveryField) {
  LOGFONTA in{};
  in.lfHeight = -20;
  in.lfWidth = 7;
  in.lfEscapement = 900;
  in.lfOrientation = 450;
  in.lfWeight = FW_BOLD;
  in.lfItalic = 1;
  in.lfUnderline = 1;
  in.lfStrikeOut = 1;
  in.lfCharSet = GB2312_CHARSET;
  in.lfOutPrecision = 3;
  in.lfClipPrecision = 2;
  in.lfQuality = 5;
  in.lfPitchAndFamily = 0x31;
  std::strcpy(in.lfFaceName, "\xCB\xCE\xCC\xE5");  // "宋体" in GBK
  HFONT font = CreateFontIndirectA(&in);
  ASSERT_NE(font, nullptr);
  const LOGFONTA out = Read(font);
  EXPECT_EQ(std::memcmp(&in, &out, sizeof in), 0);
  EXPECT_NE(CreateFontIndirectA(&in), font);  // every call a new font
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_EQ(GetObjectA(font, 0, nullptr), 0);
}

TEST_F(Win32Fonts, AFaceNameAlwaysEndsInside) {
  LOGFONTA in{};
  std::memset(in.lfFaceName, 'x', sizeof in.lfFaceName);  // no terminator
  const LOGFONTA out = Read(CreateFontIndirectA(&in));
  EXPECT_EQ(std::strlen(out.lfFaceName), 31u);
}

TEST_F(Win32Fonts, CreateFontFillsALogFont) {
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_SEMIBOLD, TRUE, FALSE, TRUE, DEFAULT_CHARSET, 0, 0, 0,
                           0, "WenQuanYi Micro Hei");
  const LOGFONTA lf = Read(font);
  EXPECT_EQ(lf.lfHeight, -16);
  EXPECT_EQ(lf.lfWeight, FW_SEMIBOLD);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_EQ(lf.lfUnderline, 0);
  EXPECT_EQ(lf.lfStrikeOut, 1);
  EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(lf.lfFaceName, "WenQuanYi Micro Hei");
  const std::string longName(40, 'f');
  EXPECT_EQ(
      std::strlen(
          Read(CreateFontA(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, longName.c_str())).lfFaceName),
      31u);
  EXPECT_STREQ(Read(CreateFontA(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr)).lfFaceName, "");
}

TEST_F(Win32Fonts, CreateFontIndirectWithoutALogFont) {
  SetLastError(0);
  EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(Win32Fonts, FontsInDcs) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Face");
  EXPECT_EQ(SelectObject(dc, font), GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(internal::SelectedFont(dc), font);
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_NE(SelectObject(other, font), nullptr);  // a font may be in many DCs
  EXPECT_FALSE(DeleteObject(font));               // still in use
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DeleteDC(other);
  EXPECT_TRUE(DeleteObject(font));
  DeleteDC(dc);
}

TEST_F(Win32Fonts, FontsOfWindows) {
  HWND w = MakeWindow();
  HFONT font = CreateFontA(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "WenQuanYi Micro Hei");
  EXPECT_EQ(internal::WindowFont(w).pixelSize(), 12);  // no font of its own: the GUI font
  SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EXPECT_EQ(SendMessageA(w, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
  const QFont qt = internal::WindowFont(w);
  EXPECT_EQ(qt.pixelSize(), 30);
  EXPECT_EQ(qt.weight(), QFont::Bold);
  EXPECT_EQ(qt.family(), QString("WenQuanYi Micro Hei"));
  DestroyWindow(w);
  DeleteObject(font);
}

TEST_F(Win32Fonts, QtFontsFromLogFonts) {
  LOGFONTA lf = internal::DefaultGuiLogFont();
  QFont qt = internal::QtFont(lf);
  EXPECT_EQ(qt.pixelSize(), 12);
  EXPECT_EQ(qt.weight(), QFont::Normal);
  EXPECT_FALSE(qt.italic());
  EXPECT_EQ(QFontInfo(qt).family(), QString("WenQuanYi Micro Hei"));
  lf.lfHeight = 18;  // a cell height is taken as the pixel size too
  lf.lfItalic = 1;
  lf.lfUnderline = 1;
  lf.lfWeight = 0;  // 0: the default weight
  qt = internal::QtFont(lf);
  EXPECT_EQ(qt.pixelSize(), 18);
  EXPECT_TRUE(qt.italic());
  EXPECT_TRUE(qt.underline());
  EXPECT_EQ(qt.weight(), QFont::Normal);
}

}  // namespace
}  // namespace win32test
