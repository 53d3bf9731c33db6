#include "menu/HandOffCopy.h"

#include "common/ProgramPath.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowText.h"
#include "common/WindowsFolders.h"
#include "common/core/PathText.h"
#include "menu/DriveEject.h"
#include "menu/core/EjectHandOff.h"
#include "menu/core/EjectPlan.h"
#include "menu/core/MenuTexts.h"
#include "menu/core/SingleMenuKey.h"

namespace corvane::menu {
namespace {

// How long the copy waits for the menu to end (it saves its settings and closes its windows).
constexpr DWORD kMenuEndWaitMs = 30000;

enum HandOffExit : int { kEjected = 0, kNotEjected = 1, kRefused = 2 };

bool SameFile(const std::string& a, const std::string& b) {
    return FolderIdentity(a) == FolderIdentity(b);
}

void WaitForMenuToEnd(std::uint32_t processId) {
    const UniqueKernelHandle menu(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (menu) {
        ::WaitForSingleObject(menu.get(), kMenuEndWaitMs);
    }
}

// Asks for the eject until it is done or the user gives up; true when the drive was ejected.
bool EjectWithRetries(char drive) {
    for (;;) {
        const EjectOutcome outcome = RequestDriveEject(drive);
        const bool retry = EjectWorthRetrying(outcome);
        // No window of the menu is left to own the box: it comes to the front on its own.
        const UINT type = (retry ? MB_RETRYCANCEL | MB_ICONWARNING : MB_OK | MB_ICONINFORMATION) |
                          MB_SETFOREGROUND | MB_TOPMOST;
        if (ShowMessageBox(nullptr, EjectOutcomeMessage(drive, outcome), texts::kProgramTitle, type) !=
                IDRETRY ||
            !retry) {
            return outcome.status == EjectStatus::Ejected;
        }
    }
}

}  // namespace

DWORD TempCopyHandOff::Start(char drive) {
    const std::string temp = TempFolder();
    const std::string self = ProgramPath();
    if (temp.empty() || self.empty()) {
        return ERROR_PATH_NOT_FOUND;
    }
    SweepHandOffCopies();
    const std::wstring copy =
        WideFromUtf8(JoinPath(temp, HandOffCopyName(::GetCurrentProcessId(), ::GetTickCount64())));
    if (!::CopyFileW(WideFromUtf8(self).c_str(), copy.c_str(), TRUE)) {
        return ::GetLastError();
    }
    // Held open, sharing only reading, until the copy runs: a sweep by another menu cannot take it away
    // first.
    UniqueFile held(
        ::CreateFileW(copy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::wstring commandLine =
        L"\"" + copy + L"\" " + WideFromUtf8(EjectHandOffArguments({drive, ::GetCurrentProcessId()}));
    const std::wstring folder = WideFromUtf8(temp);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // No handle inherited and the temporary folder as its current one: the copy holds nothing on the drive.
    if (!::CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &started)) {
        const DWORD error = ::GetLastError();
        held.reset();
        ::DeleteFileW(copy.c_str());
        return error;
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    return ERROR_SUCCESS;
}

void SweepHandOffCopies(const std::string& keep) {
    const std::string temp = TempFolder();
    if (temp.empty()) {
        return;
    }
    WIN32_FIND_DATAW found{};
    const UniqueFind search(
        ::FindFirstFileW(WideFromUtf8(JoinPath(temp, kHandOffCopyPattern)).c_str(), &found));
    for (BOOL more = search.valid(); more; more = ::FindNextFileW(search.get(), &found)) {
        const std::string name = Utf8FromWide(found.cFileName);
        const std::string path = JoinPath(temp, name);
        // A copy that still runs cannot be deleted and stays for a later sweep.
        if (IsHandOffCopyName(name) && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            !SameFile(path, keep)) {
            ::DeleteFileW(WideFromUtf8(path).c_str());
        }
    }
}

int RunEjectHandOff(std::string_view arguments) {
    const auto request = ParseEjectHandOff(arguments);
    const std::string self = ProgramPath();
    if (!request || !HandOffAllowed(*request, self, TempFolder())) {
        return kRefused;
    }
    const std::wstring root = std::wstring(1, static_cast<wchar_t>(request->drive)) + L":\\";
    if (::GetDriveTypeW(root.c_str()) != DRIVE_REMOVABLE) {
        return kRefused;
    }
    const std::string system = SystemFolder();
    ::SetCurrentDirectoryW(WideFromUtf8(system).c_str());
    SweepHandOffCopies(self);
    WaitForMenuToEnd(request->menuProcessId);
    const bool ejected = EjectWithRetries(request->drive);
    // Its own file goes at the next restart where Windows lets this user arrange that; otherwise
    // the next menu's sweep removes it.
    ::MoveFileExW(WideFromUtf8(self).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return ejected ? kEjected : kNotEjected;
}

}  // namespace corvane::menu
