#include "tests/win/support/DropFiles.h"

#include "tests/win/support/Polling.h"

#include "common/ComApartment.h"
#include "common/ComRef.h"
#include "common/TextEncoding.h"

#include <shlobj.h>

#include <cstring>

namespace corvane::test {

HDROP MakeDropList(const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) {
        names += WideFromUtf8(path);
        names += L'\0';
    }
    // The list ends in an empty name; an empty list is two of them, as the shell writes it (a reader
    // steps over the first name's end before it looks for the list's).
    names.append(paths.empty() ? 2 : 1, L'\0');
    const std::size_t bytes = names.size() * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), bytes);
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

void DropOnto(HWND window, const std::vector<std::string>& paths) {
    ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropList(paths)), 0);
    PumpMessages();
}

bool MakeShortcut(const std::string& shortcut, const std::string& target, const std::string& arguments) {
    const ComApartment apartment;
    ComRef<IShellLinkW> link;
    ComRef<IPersistFile> file;
    return Obtain(link,
                  [](void** out) {
                      return ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                IID_IShellLinkW, out);
                  }) &&
           link.get()->SetPath(WideFromUtf8(target).c_str()) == S_OK &&
           link.get()->SetArguments(WideFromUtf8(arguments).c_str()) == S_OK &&
           Obtain(file, [&](void** out) { return link.get()->QueryInterface(IID_IPersistFile, out); }) &&
           file.get()->Save(WideFromUtf8(shortcut).c_str(), TRUE) == S_OK;
}

}  // namespace corvane::test
