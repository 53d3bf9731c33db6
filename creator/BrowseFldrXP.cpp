#include "creator/BrowseFldrXP.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowText.h"
#include "creator/core/CreatorTexts.h"

#include <shlobj.h>

namespace corvane::creator::BrowseFldrXP {

std::string BrowseForFolder(HWND owner, int pathBoxId) {
    // The browser's own buffers hold MAX_PATH characters: the picker's limit, not the program's.
    wchar_t displayName[MAX_PATH] = {};
    const std::wstring title = WideFromUtf8(corvane::creator::texts::kBrowseTitle);
    BROWSEINFOW request{};
    request.hwndOwner = owner;
    request.pidlRoot = nullptr;  // the top of the shell namespace
    request.pszDisplayName = displayName;
    request.lpszTitle = title.c_str();
    // File-system folders only, nothing below the domain; without BIF_NEWDIALOGSTYLE the browser
    // keeps its classic form, with no button for making folders on the user's drive.
    request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;

    const corvane::UniquePidl chosen(::SHBrowseForFolderW(&request));
    if (!chosen) {
        return {};
    }
    wchar_t buffer[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(chosen.get(), buffer)) {
        return {};
    }
    std::string path = Utf8FromWide(buffer);  // the text before the first NUL
    if (!path.empty()) {
        SetChildTextOf(owner, pathBoxId, path);
    }
    return path;
}

}  // namespace corvane::creator::BrowseFldrXP
