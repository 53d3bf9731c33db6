#include "tests/win/support/Screenshot.h"

#include "common/FileContents.h"
#include "common/MessageLoop.h"
#include "common/UniqueHandle.h"
#include "tests/win/support/TestDrive.h"

#include <vector>

namespace corvane::test {

std::string SaveWindowScreenshot(HWND window, const std::string& name) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // Wine hands the painted window to the X server asynchronously: let pending work run first.
    for (int round = 0; round < 5; ++round) {
        PumpPendingMessages();
        ::GdiFlush();
        ::Sleep(20);
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    const HGDIOBJ old = ::SelectObject(memory, bitmap.get());
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const auto stride = static_cast<std::size_t>((width * 3 + 3) & ~3);
    std::vector<char> pixels(stride * static_cast<std::size_t>(height));
    ::GetDIBits(memory, bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::string contents(reinterpret_cast<const char*>(&file), sizeof file);
    contents.append(reinterpret_cast<const char*>(&info), sizeof info);
    contents.append(pixels.data(), pixels.size());

    const std::string folder = TestProgramFolder() + "screenshots\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + name + ".bmp";
    return ReplaceFileContents(path, contents) == ERROR_SUCCESS ? path : std::string();
}

}  // namespace corvane::test
