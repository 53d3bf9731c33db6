#include "menu/SingleMenu.h"

#include "common/TextEncoding.h"
#include "menu/core/SingleMenuKey.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace corvane::menu {
namespace {

// What the first menu publishes: its window's handle, the same size in 32- and 64-bit builds.
using PublishedWindow = std::uint64_t;
constexpr DWORD kPollMs = 50;

// GetFinalPathNameByHandleW in the form `flags`; empty when Windows cannot give it (no volume name
// for a share, or a platform without it).
std::wstring FinalPathOf(HANDLE folder, DWORD flags) {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetFinalPathNameByHandleW(folder, path.data(), static_cast<DWORD>(path.size()), flags);
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            return {path.data(), length};
        }
        path.resize(length + 1);  // too small: `length` is the size needed
    }
}

std::wstring FullPathOf(const std::wstring& folder) {
    const DWORD size = ::GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
    std::vector<wchar_t> path(size + 1);
    const DWORD length =
        ::GetFullPathNameW(folder.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    return length != 0 && length < path.size() ? std::wstring(path.data(), length) : folder;
}

// The published window of the first menu, if it is a menu window now.
HWND PublishedMenuWindow(const std::string& name) {
    const UniqueKernelHandle mapping(::OpenFileMappingW(FILE_MAP_READ, FALSE, WideFromUtf8(name).c_str()));
    if (!mapping) {
        return nullptr;
    }
    const UniqueMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(PublishedWindow)));
    if (!view) {
        return nullptr;
    }
    PublishedWindow value = 0;
    std::memcpy(&value, view.get(), sizeof value);
    const auto window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
    wchar_t className[16] = {};
    // Whatever the handle, it only ever gets the come-forward message; a menu window it must be.
    if (window == nullptr || !::IsWindow(window) || ::GetClassNameW(window, className, 16) == 0 ||
        std::wcscmp(className, L"frmMain") != 0) {
        return nullptr;
    }
    return window;
}

}  // namespace

UINT ComeForwardMessage() noexcept {
    static const UINT message = ::RegisterWindowMessageW(L"Corvane.Menu.ComeForward");
    return message;
}

std::string ResolvedFolder(const std::string& folder) {
    const std::wstring wide = WideFromUtf8(folder);
    // No access asked and every sharing allowed: the folder is looked at, not held.
    const UniqueFile handle(::CreateFileW(wide.c_str(), 0,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle) {
        for (const DWORD flags : {DWORD{VOLUME_NAME_GUID}, DWORD{VOLUME_NAME_DOS}}) {
            if (std::wstring path = FinalPathOf(handle.get(), flags); !path.empty()) {
                return Utf8FromWide(path);
            }
        }
    }
    return Utf8FromWide(FullPathOf(wide));
}

SingleMenu::SingleMenu(const std::string& menuFolder) {
    const std::string folder = ResolvedFolder(menuFolder);
    windowName_ = SingleMenuWindowName(folder);
    ::SetLastError(ERROR_SUCCESS);  // a new object need not clear it
    mutex_.reset(::CreateMutexW(nullptr, FALSE, WideFromUtf8(SingleMenuMutexName(folder)).c_str()));
    const DWORD error = ::GetLastError();
    first_ = !(error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED));
}

void SingleMenu::Publish(HWND window) noexcept {
    if (!first_ || window == nullptr) {
        return;
    }
    try {
        ::SetLastError(ERROR_SUCCESS);
        UniqueKernelHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                        sizeof(PublishedWindow),
                                                        WideFromUtf8(windowName_).c_str()));
        // A mapping that exists already is someone else's: the window is then not published.
        if (!mapping || ::GetLastError() == ERROR_ALREADY_EXISTS) {
            return;
        }
        const UniqueMappedView view(
            ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(PublishedWindow)));
        if (!view) {
            return;
        }
        const auto value = static_cast<PublishedWindow>(reinterpret_cast<std::uintptr_t>(window));
        std::memcpy(view.get(), &value, sizeof value);
        published_ = std::move(mapping);
    } catch (...) {  // out of memory for the name: later menus then end without bringing this one forward
        return;
    }
    // An elevated menu would not otherwise receive it from a later one that is not.
    ::ChangeWindowMessageFilterEx(window, ComeForwardMessage(), MSGFLT_ALLOW, nullptr);
}

bool SingleMenu::BringFirstForward(DWORD waitMs) const noexcept {
    try {
        for (DWORD waited = 0;; waited += kPollMs) {
            if (const HWND window = PublishedMenuWindow(windowName_)) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                // This process was just started by the user, so it may hand the foreground on.
                ::AllowSetForegroundWindow(owner);
                return ::PostMessageW(window, ComeForwardMessage(), 0, 0) != FALSE;
            }
            if (waited >= waitMs) {
                return false;
            }
            ::Sleep(kPollMs);
        }
    } catch (...) {
        return false;
    }
}

}  // namespace corvane::menu
