// The creator's pictures, drawn with GDI: the banner, the link icons, the "What's this?" icon and
// the drive icons the example pictures use. Every function draws into `area` and leaves the DC as
// it found it.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

namespace corvane::creator::art {

enum class LinkIcon { AutorunRepair, FormatUtility, UsbView, Help };
enum class DriveIcon { HardDisk, Optical, Stick };

void DrawBanner(HDC dc, const RECT& area);
void DrawLinkIcon(HDC dc, const RECT& area, LinkIcon icon);
void DrawWhatsThis(HDC dc, const RECT& area);
void DrawDrive(HDC dc, const RECT& area, DriveIcon icon);

// Small drawing steps the pictures share.
RECT Inset(const RECT& area, int dx, int dy);
inline RECT Inset(const RECT& area, int d) {
    return Inset(area, d, d);
}
void Fill(HDC dc, const RECT& area, COLORREF colour);
void Frame(HDC dc, const RECT& area, COLORREF colour, int thickness = 1);
void Ellipse(HDC dc, const RECT& area, COLORREF fill, COLORREF outline);
void Line(HDC dc, POINT from, POINT to, COLORREF colour, int thickness = 1);
void Text(HDC dc, const RECT& area, const char* text, COLORREF colour, HFONT font, UINT format = DT_LEFT);

// A font of `pixelHeight` pixels in the dialog face.
UniqueFont PictureFont(int pixelHeight, bool bold = false);

}  // namespace corvane::creator::art
