#include "creator/BrowseFldrXP.h"

#include "common/UniqueHandle.h"
#include "creator/core/CreatorTexts.h"

#include <shlobj.h>

namespace corvane::creator::BrowseFldrXP {

std::string BrowseForFolder(HWND owner, int pathBoxId) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.pidlRoot = nullptr;  // the top of the shell namespace
    request.pszDisplayName = displayName;
    request.lpszTitle = corvane::creator::texts::kBrowseTitle;
    // File-system folders only, nothing below the domain; without BIF_NEWDIALOGSTYLE the browser
    // keeps its classic form, with no button for making folders on the user's drive.
    request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;

    const corvane::UniquePidl chosen(::SHBrowseForFolderA(&request));
    if (!chosen) {
        return {};
    }
    char buffer[MAX_PATH] = {};
    if (!::SHGetPathFromIDListA(chosen.get(), buffer)) {
        return {};
    }
    std::string path(buffer);  // the text before the first NUL
    if (!path.empty()) {
        ::SetDlgItemTextA(owner, pathBoxId, path.c_str());
    }
    return path;
}

}  // namespace corvane::creator::BrowseFldrXP
