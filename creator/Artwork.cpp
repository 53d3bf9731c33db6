#include "creator/Artwork.h"

#include "common/TextEncoding.h"
#include "creator/core/CreatorTexts.h"

namespace corvane::creator::art {
namespace {

constexpr COLORREF kInk = RGB(27, 38, 51);
constexpr COLORREF kBlue = RGB(43, 108, 196);
constexpr COLORREF kLightBlue = RGB(91, 155, 232);
constexpr COLORREF kSteel = RGB(184, 194, 204);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(46, 160, 67);
constexpr COLORREF kGold = RGB(245, 197, 24);

// A USB stick seen from the side: grey plug on the left, blue body.
void DrawStick(HDC dc, const RECT& r) {
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const RECT plug{r.left, r.top + h * 3 / 10, r.left + w * 3 / 10, r.bottom - h * 3 / 10};
    Fill(dc, plug, kSteel);
    Frame(dc, plug, kInk);
    const RECT body{plug.right - 1, r.top + h / 6, r.right, r.bottom - h / 6};
    Fill(dc, body, kBlue);
    Frame(dc, body, kInk);
    Fill(dc, {body.left + 2, body.top + 2, body.right - 2, body.top + 2 + (body.bottom - body.top) / 4},
         kLightBlue);
}

}  // namespace

RECT Inset(const RECT& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    const UniqueBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &area, brush.get());
}

void Frame(HDC dc, const RECT& area, COLORREF colour, int thickness) {
    for (int i = 0; i < thickness; ++i) {
        const UniqueBrush brush(::CreateSolidBrush(colour));
        const RECT ring = Inset(area, i, i);
        ::FrameRect(dc, &ring, brush.get());
    }
}

void Ellipse(HDC dc, const RECT& area, COLORREF fill, COLORREF outline) {
    const UniqueBrush brush(::CreateSolidBrush(fill));
    const UniquePen pen(::CreatePen(PS_SOLID, 1, outline));
    const SelectedObject withBrush(dc, brush.get());
    const SelectedObject withPen(dc, pen.get());
    ::Ellipse(dc, area.left, area.top, area.right, area.bottom);
}

void Line(HDC dc, POINT from, POINT to, COLORREF colour, int thickness) {
    const UniquePen pen(::CreatePen(PS_SOLID, thickness, colour));
    const SelectedObject withPen(dc, pen.get());
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x, to.y);
}

void Text(HDC dc, const RECT& area, const char* text, COLORREF colour, HFONT font, UINT format) {
    const SelectedObject withFont(dc, font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, colour);
    RECT box = area;
    ::DrawTextW(dc, WideFromUtf8(text).c_str(), -1, &box, format | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

UniqueFont PictureFont(int pixelHeight, bool bold) {
    return UniqueFont(::CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

void DrawBanner(HDC dc, const RECT& area) {
    Fill(dc, area, kWhite);
    const int h = area.bottom - area.top;
    const RECT stick{area.left + 4, area.top + h / 4, area.left + 4 + h, area.bottom - h / 4};
    DrawStick(dc, stick);
    const UniqueFont title = PictureFont(h * 11 / 20, /*bold=*/true);
    const UniqueFont subtitle = PictureFont(h / 4);
    const RECT titleBox{stick.right + 10, area.top, area.right, area.top + h * 13 / 20};
    Text(dc, titleBox, texts::kProgramTitle, kBlue, title.get(), DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
    const RECT subtitleBox{stick.right + 12, titleBox.bottom, area.right, area.bottom};
    Text(dc, subtitleBox, "Menu drive creator", kInk, subtitle.get(), DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void DrawLinkIcon(HDC dc, const RECT& area, LinkIcon icon) {
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    switch (icon) {
        case LinkIcon::AutorunRepair: {  // a stick with a green tick
            DrawStick(dc, {area.left, area.top + h / 8, area.right, area.bottom - h * 3 / 8});
            const int x = area.left + w / 3;
            const int y = area.top + h * 3 / 4;
            Line(dc, {x, y}, {x + w / 8, y + h / 8}, kGreen, 4);
            Line(dc, {x + w / 8, y + h / 8}, {x + w / 2, y - h / 6}, kGreen, 4);
            break;
        }
        case LinkIcon::FormatUtility: {  // a stick above an empty, lined page
            DrawStick(dc, {area.left, area.top, area.right, area.top + h / 2});
            const RECT page{area.left + w / 4, area.top + h / 2 + 1, area.right - w / 4, area.bottom};
            Fill(dc, page, kWhite);
            Frame(dc, page, kInk);
            for (int y = page.top + 4; y < page.bottom - 2; y += 4) {
                Line(dc, {page.left + 3, y}, {page.right - 3, y}, kSteel);
            }
            break;
        }
        case LinkIcon::UsbView: {  // a magnifying glass over a stick
            DrawStick(dc, {area.left, area.top + h / 8, area.right - w / 4, area.top + h / 2});
            const RECT lens{area.left + w / 3, area.top + h / 3, area.left + w * 5 / 6, area.top + h * 5 / 6};
            Ellipse(dc, Inset(lens, -1, -1), kInk, kInk);
            Ellipse(dc, lens, RGB(214, 234, 255), kInk);
            Line(dc, {lens.left + 2, lens.bottom - 2}, {area.left + 2, area.bottom - 2}, kInk, 4);
            break;
        }
        case LinkIcon::Help: {  // the question mark of help
            Ellipse(dc, Inset(area, 1, 1), kBlue, kInk);
            const UniqueFont mark = PictureFont(h * 3 / 4, /*bold=*/true);
            Text(dc, area, "?", kWhite, mark.get(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            break;
        }
    }
}

void DrawWhatsThis(HDC dc, const RECT& area) {
    Ellipse(dc, area, kGold, kInk);
    const UniqueFont mark = PictureFont((area.bottom - area.top) * 3 / 4, /*bold=*/true);
    Text(dc, area, "?", kInk, mark.get(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawDrive(HDC dc, const RECT& area, DriveIcon icon) {
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    switch (icon) {
        case DriveIcon::HardDisk: {
            const RECT box{area.left, area.top + h / 4, area.right, area.bottom - h / 4};
            Fill(dc, box, kSteel);
            Frame(dc, box, kInk);
            Fill(dc, {box.right - w / 4, box.bottom - 5, box.right - w / 4 + 3, box.bottom - 3}, kGreen);
            break;
        }
        case DriveIcon::Optical: {
            const RECT box{area.left, area.top + h / 3, area.right, area.bottom - h / 6};
            Fill(dc, box, kSteel);
            Frame(dc, box, kInk);
            Ellipse(dc, {area.left + w / 6, area.top, area.right - w / 6, area.top + h * 2 / 3},
                    RGB(220, 220, 235), kInk);
            Ellipse(
                dc,
                {area.left + w / 2 - 2, area.top + h / 3 - 2, area.left + w / 2 + 2, area.top + h / 3 + 2},
                kWhite, kInk);
            break;
        }
        case DriveIcon::Stick:
            DrawStick(dc, {area.left, area.top + h / 5, area.right, area.bottom - h / 5});
            break;
    }
}

}  // namespace corvane::creator::art
