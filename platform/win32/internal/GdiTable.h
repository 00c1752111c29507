#pragma once
// Inside the stand-in only: lookups in the GDI tables and the font helpers the peers and the
// built-in controls share. Lookups return null for any value that is no live object of the kind.

#include <QFont>
#include <QString>

#include "platform/win32/internal/State.h"

namespace win32::internal {

GdiObject* FindObject(HGDIOBJ object);
DcRecord* FindDc(HDC dc);

// The LOGFONTA of the stock DEFAULT_GUI_FONT: an installed CJK-capable face, 12 pixels, normal.
LOGFONTA DefaultGuiLogFont();
// The Qt font a LOGFONTA describes (height in pixels, weight, italic, underline, strike-out).
QFont QtFont(const LOGFONTA& font);
// The Qt font of a window: its WM_SETFONT font, or the stock GUI font.
QFont WindowFont(HWND window);

}  // namespace win32::internal
