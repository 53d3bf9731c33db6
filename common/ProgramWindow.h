// What every program's main window does the same way: its first showing, sized in twips and
// centred, and the program's own icon at the size a window shows it.
#pragma once

#include "common/CommonResources.h"
#include "common/UniqueHandle.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"

#include <windows.h>

namespace corvane {

// Centres the new window (sized already) on its screen and shows it.
inline void ShowCentred(HWND window, int showCommand) noexcept {
    CentreOnScreen(window);
    ::ShowWindow(window, showCommand);
    ::UpdateWindow(window);
}

// The program's icon (resource IDI_PROGRAM) drawn for `size` pixels, not stretched from another size.
inline UniqueIcon LoadProgramIcon(int size) noexcept {
    return UniqueIcon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0)));
}

// Puts the program's icon, drawn for the width of its twips box at `dpi`, into a picture control
// (SS_ICON | SS_REALSIZECONTROL) and hands it back to be kept while the control shows it.
[[nodiscard]] inline UniqueIcon ShowProgramIcon(HWND picture, const TwipsRect& place, int dpi) noexcept {
    UniqueIcon icon = LoadProgramIcon(TwipsToPixels(place.width, dpi));
    ::SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    PlaceChild(picture, place, dpi);  // the control took the icon's size
    return icon;
}

}  // namespace corvane
