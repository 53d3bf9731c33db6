#include "support/SupportWindow.h"

#include "common/ProgramPath.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "common/WindowsFolders.h"
#include "common/core/PathText.h"

#include <shellapi.h>

namespace corvane::support {
namespace {

constexpr std::string_view kHelpFileName = "Corvane.chm";
constexpr std::string_view kHelpViewer = "hh.exe";
constexpr std::string_view kHelpMissing = "The help file could not be opened: ";

}  // namespace

namespace {

void ReportHelpFailure(HWND owner, const std::string& helpFile, std::string_view title, DWORD error) {
    ShowMessage(owner, std::string(kHelpMissing) + helpFile + "\r\n\r\n" + SystemErrorText(error), title,
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

int ShowMessage(HWND owner, std::string_view text, std::string_view title, UINT style) {
    return ::MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), style);
}

void SetText(HWND window, std::string_view text) {
    ::SetWindowTextW(window, WideFromUtf8(text).c_str());
}

void SetControlText(HWND parent, int id, std::string_view text) {
    SetText(::GetDlgItem(parent, id), text);
}

std::string HelpFilePath() {
    return JoinPath(ProgramFolder(), kHelpFileName);
}

void OpenHelpPage(HWND owner, std::string_view page, std::string_view title) {
    // The viewer is started by its full path from the Windows folder, never found on the stick; it
    // opens the page named after "::" inside the file.
    const std::string helpFile = HelpFilePath();
    if (::GetFileAttributesW(WideFromUtf8(helpFile).c_str()) == INVALID_FILE_ATTRIBUTES) {
        ReportHelpFailure(owner, helpFile, title, ::GetLastError());
        return;
    }
    const std::wstring viewer = WideFromUtf8(JoinPath(WindowsFolder(), kHelpViewer));
    const std::wstring topic = WideFromUtf8("\"" + helpFile + "::/" + std::string(page) + "\"");
    const auto started = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(owner, L"open", viewer.c_str(), topic.c_str(), nullptr, SW_SHOWNORMAL));
    if (started <= 32) {
        ReportHelpFailure(owner, helpFile, title, ::GetLastError());
    }
}

}  // namespace corvane::support
