#include "tendwell/HelpFile.h"

#include "common/MyMod.h"
#include "common/TextEncoding.h"
#include "common/WindowsFolders.h"
#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "tendwell/core/DriveChoice.h"
#include "tendwell/core/TendwellTexts.h"

#include <shellapi.h>

namespace corvane::tendwell {

std::string HelpFilePath(const std::string& programFolder) {
    // The wizard lives in the Support folder, beside the help file.
    return JoinPath(programFolder, drive::kHelpFile.substr(drive::kSupportFolderName.size() + 1));
}

void OpenHelpPage(HWND owner, const std::string& helpFile, const std::string& page) {
    if (!MyMod::FileExists(helpFile)) {
        ::MessageBoxW(owner, WideFromUtf8(texts::kHelpMissing + helpFile).c_str(),
                      WideFromUtf8(texts::kProgramTitle).c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::wstring viewer = WideFromUtf8(JoinPath(WindowsFolder(), "hh.exe"));
    ::ShellExecuteW(owner, L"open", viewer.c_str(), WideFromUtf8(HelpPageArgument(helpFile, page)).c_str(),
                    nullptr, SW_SHOWNORMAL);
}

}  // namespace corvane::tendwell
