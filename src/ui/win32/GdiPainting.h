// Painting on real windows through GDI, for the peers: colours, fonts, a look drawn into a device context, and the
// mouse pointers of the controls. (PaintLook, MakeBitmap and ReadBitmap, which tests use too, are in
// Win32Toolkit.h; the portable drawing into bitmaps is ui/BitmapDrawing.h.)
#pragma once
#include <windows.h>

#include "platform/Windowing.h"
#include "platform/win32/Handles.h"
#include "ui/Control.h"

namespace plivant::ui::win32 {

// A stored colour (a system colour by its index, or blue-green-red) as the screen's colour.
COLORREF ColourOf(OleColor c);
// The font for a window of that DPI (0: the screen's), made on first use and kept for the program's life.
HFONT FontFor(const Font& font, int dpi = 0);
// A device context like the screen's, for measuring text and asking for fonts, kept for the program's life.
HDC MeasuringDc();
// DrawText of a text of the process code page. WIN32 QUIRK: DrawTextA reads its text in the code page of the font's
// character set, which for a Western font is Windows-1252 even where the process code page is UTF-8.
int DrawProcessText(HDC dc, const std::string& text, RECT* area, UINT format);
// A picture at the area's top left corner, or stretched over the area.
void DrawPicture(HDC dc, const Bitmap& picture, const RECT& area, bool stretch);
// Background, picture, text and border of a look, in the area of a window of that DPI.
void PaintOne(HDC dc, const ViewLook& look, const RECT& area, int dpi);
RECT RectOf(const platform::Rect& r);
// A push button's face and edges as the system draws them: in the current visual style when one is active (the
// theme library is loaded on first use, so a run without buttons never loads it), in the classic look otherwise.
// Returns the area inside the edges.
RECT DrawPushButtonFace(HWND button, HDC dc, const RECT& area, bool pushed, bool disabled, bool hot);
// An icon, or a cursor with the image's hot spot, of the image: its transparent pixels show what lies under it.
HICON MakeIcon(const CursorImage& image, bool cursor);
// Shows the control's own pointer; false when it has none (the window's class pointer then stays).
bool ApplyCursor(const Control& target);

}  // namespace plivant::ui::win32
