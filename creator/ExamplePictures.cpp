#include "creator/ExamplePictures.h"

#include "creator/Artwork.h"

namespace corvane::creator {
namespace {

using namespace art;

// Sample labels the pictures show, as a user might type them.
constexpr const char* kSampleAction = "Open Corvane Menu";
constexpr const char* kSampleVolume = "MYSTICK (E:)";

constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kCaption = RGB(191, 205, 219);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kGreyInk = RGB(96, 96, 96);
constexpr COLORREF kHeading = RGB(0, 51, 153);
constexpr COLORREF kRule = RGB(176, 196, 222);
constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBarBlue = RGB(38, 160, 218);

// A window frame with a caption bar; returns its client part.
RECT DrawFrame(HDC dc, const RECT& area, const char* caption, HFONT font) {
    Fill(dc, area, kCaption);
    Frame(dc, area, RGB(100, 110, 125));
    const RECT title{area.left + 8, area.top, area.right - 40, area.top + 24};
    Text(dc, title, caption, kInk, font, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    // The close box.
    const RECT close{area.right - 38, area.top + 4, area.right - 6, area.top + 20};
    Fill(dc, close, RGB(199, 80, 80));
    Frame(dc, close, RGB(120, 40, 40));
    Text(dc, close, "x", kWindow, font, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT client{area.left + 4, area.top + 24, area.right - 4, area.bottom - 4};
    Fill(dc, client, kWindow);
    return client;
}

void SectionHeading(HDC dc, int left, int right, int top, const char* text, HFONT font) {
    Text(dc, {left, top, right, top + 16}, text, kHeading, font, DT_LEFT | DT_SINGLELINE);
    Line(dc, {left, top + 17}, {right, top + 17}, kRule);
}

// One choice of the AutoPlay list: an icon, a bold line and a grey line under it.
void Choice(HDC dc, int left, int right, int top, const char* what, const char* how, HFONT bold, HFONT normal,
            DriveIcon icon) {
    DrawDrive(dc, {left, top + 2, left + 28, top + 30}, icon);
    Text(dc, {left + 36, top + 1, right, top + 16}, what, kInk, bold, DT_LEFT | DT_SINGLELINE);
    Text(dc, {left + 36, top + 16, right, top + 31}, how, kGreyInk, normal, DT_LEFT | DT_SINGLELINE);
}

}  // namespace

void DrawActionExample(HDC dc, const RECT& area) {
    const UniqueFont normal = PictureFont(12);
    const UniqueFont bold = PictureFont(12, /*bold=*/true);
    const UniqueFont large = PictureFont(15);
    Fill(dc, area, kFace);
    const RECT client = DrawFrame(dc, Inset(area, 8), "AutoPlay", normal.get());
    const int left = client.left + 12;
    const int right = client.right - 12;

    DrawDrive(dc, {left, client.top + 10, left + 36, client.top + 46}, DriveIcon::Stick);
    Text(dc, {left + 46, client.top + 18, right, client.top + 40}, kSampleVolume, kInk, large.get(),
         DT_LEFT | DT_SINGLELINE);
    const RECT tick{left, client.top + 57, left + 12, client.top + 69};
    Fill(dc, tick, kWindow);
    Frame(dc, tick, RGB(112, 112, 112));
    Text(dc, {left + 18, client.top + 55, right, client.top + 71},
         "Always do this for software and games:", kInk, normal.get(), DT_LEFT | DT_SINGLELINE);

    int top = client.top + 78;
    SectionHeading(dc, left, right, top, "Install or run program", normal.get());
    top += 24;
    // The menu's own action: the first choice, framed in red.
    Choice(dc, left + 4, right, top, kSampleAction, "Published by Corvane", bold.get(), normal.get(),
           DriveIcon::Stick);
    Frame(dc, {left - 2, top - 4, right + 2, top + 36}, kRed, 3);
    top += 46;

    SectionHeading(dc, left, right, top, "General options", normal.get());
    top += 24;
    Choice(dc, left + 4, right, top, "Open folder to view files", "using Windows Explorer", bold.get(),
           normal.get(), DriveIcon::HardDisk);
    top += 40;
    Choice(dc, left + 4, right, top, "Speed up my system", "using Windows ReadyBoost", bold.get(),
           normal.get(), DriveIcon::Optical);
    top += 44;
    Text(dc, {left, top, right, top + 16}, "View more AutoPlay options in Control Panel", RGB(0, 102, 204),
         normal.get(), DT_LEFT | DT_SINGLELINE);
}

void DrawVolumeExample(HDC dc, const RECT& area) {
    const UniqueFont normal = PictureFont(12);
    const UniqueFont bold = PictureFont(12, /*bold=*/true);
    Fill(dc, area, kFace);
    const RECT client = DrawFrame(dc, Inset(area, 8), "Computer", normal.get());

    // Address bar and the navigation pane.
    const RECT address{client.left + 6, client.top + 6, client.right - 6, client.top + 26};
    Frame(dc, address, kRule);
    Text(dc, Inset(address, 6, 0), "Computer", kInk, normal.get(), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const RECT pane{client.left, address.bottom + 6, client.left + 96, client.bottom};
    Fill(dc, pane, RGB(233, 240, 248));
    int y = pane.top + 8;
    for (const char* place : {"Favorites", "Desktop", "Documents", "Computer", "Network"}) {
        Text(dc, {pane.left + 10, y, pane.right, y + 16}, place, kInk, normal.get(), DT_LEFT | DT_SINGLELINE);
        y += 22;
    }

    const int left = pane.right + 12;
    const int right = client.right - 10;
    int top = pane.top + 6;
    SectionHeading(dc, left, right, top, "Hard Disk Drives (1)", normal.get());
    top += 26;
    DrawDrive(dc, {left, top, left + 32, top + 32}, DriveIcon::HardDisk);
    Text(dc, {left + 40, top, right, top + 15}, "Local Disk (C:)", kInk, normal.get(),
         DT_LEFT | DT_SINGLELINE);
    const RECT bar{left + 40, top + 17, left + 180, top + 29};
    Fill(dc, bar, RGB(230, 230, 230));
    Fill(dc, {bar.left, bar.top, bar.left + 84, bar.bottom}, kBarBlue);
    Frame(dc, bar, RGB(160, 160, 160));
    top += 48;

    SectionHeading(dc, left, right, top, "Devices with Removable Storage (2)", normal.get());
    top += 26;
    DrawDrive(dc, {left, top, left + 32, top + 32}, DriveIcon::Optical);
    Text(dc, {left + 40, top + 8, right, top + 24}, "DVD RW Drive (D:)", kInk, normal.get(),
         DT_LEFT | DT_SINGLELINE);
    top += 46;
    // The prepared drive under its volume label, framed in red.
    DrawDrive(dc, {left, top, left + 32, top + 32}, DriveIcon::Stick);
    Text(dc, {left + 40, top + 1, right, top + 16}, kSampleVolume, kInk, bold.get(), DT_LEFT | DT_SINGLELINE);
    Text(dc, {left + 40, top + 17, right, top + 32}, "1.87 GB free of 1.88 GB", kGreyInk, normal.get(),
         DT_LEFT | DT_SINGLELINE);
    Frame(dc, {left - 6, top - 5, right + 4, top + 37}, kRed, 3);
}

}  // namespace corvane::creator
