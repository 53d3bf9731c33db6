#include "menu/PathHelpers.h"

#include "common/FileContents.h"
#include "common/MyMod.h"
#include "common/ProgramPath.h"
#include "common/TextEncoding.h"
#include "common/core/AnsiText.h"
#include "common/core/Version.h"

#include <shellapi.h>

#include <functional>
#include <vector>

namespace corvane::menu {
namespace {

constexpr DWORD kSettingBufferSize = 750;

bool HasWildcard(const std::string& path) {
    return path.find_first_of("*?") != std::string::npos;
}

bool IsVisible(DWORD attributes) {
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

// True when the search for `path` returns an entry that `accept` takes; false on any failure.
bool SearchFinds(const std::string& path, const std::function<bool(DWORD attributes)>& accept) {
    return MyMod::Search(path, accept).result == MyMod::SearchResult::Found;
}

// A directory search never returns a drive or share root itself (E:, E:\, \\server\share\), yet
// the folder-browsing commands must find them.
bool RootFound(const std::string& path) {
    if (!IsRoot(path)) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(WithTrailingBackslash(path)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::string MenuFolder() {
    return FolderOfProgram(ProgramPath());
}

std::string VersionText() {
    return VersionText(CORVANE_VERSION_MAJOR, CORVANE_VERSION_MINOR, CORVANE_VERSION_REVISION);
}

bool FileFound(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const bool normalFile = SearchFinds(path, [](DWORD attributes) {
        return IsVisible(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    });
    if (!normalFile || HasWildcard(path)) {  // the direct attribute query fails for wildcards
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool PathFound(const std::string& path) {
    return !path.empty() && (SearchFinds(path, IsVisible) || RootFound(path));
}

bool FolderFound(const std::string& path) {
    const auto visibleFolder = [](DWORD attributes) {
        return IsVisible(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    };
    return !path.empty() && (SearchFinds(path, visibleFolder) || RootFound(path));
}

std::string ReadSetting(const std::string& section, const std::string& key, const std::string& file,
                        const std::string& defaultValue) {
    if (IsReparsePoint(file)) {  // the profile functions would follow it
        return defaultValue;
    }
    std::vector<wchar_t> buffer(kSettingBufferSize, L'\0');
    const DWORD length =
        ::GetPrivateProfileStringW(WideFromUtf8(section).c_str(), WideFromUtf8(ToLowerAscii(key)).c_str(),
                                   L"", buffer.data(), kSettingBufferSize, WideFromUtf8(file).c_str());
    std::string value = Utf8FromWide({buffer.data(), length});
    if (value.empty()) {
        value = defaultValue;
        WriteSetting(section, key, defaultValue, file);
    }
    return value;
}

void WriteSetting(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) {
    if (IsReparsePoint(file)) {
        return;
    }
    ::WritePrivateProfileStringW(WideFromUtf8(section).c_str(), WideFromUtf8(ToUpperAscii(key)).c_str(),
                                 WideFromUtf8(value).c_str(), WideFromUtf8(file).c_str());
}

DWORD ShellOpen(const std::string& file, const std::string& workingFolder, const std::string& parameters,
                const char* verb) {
    const std::wstring wideFile = WideFromUtf8(file);
    const std::wstring wideParameters = WideFromUtf8(parameters);
    const std::wstring wideFolder = WideFromUtf8(workingFolder);
    if (verb == nullptr) {
        // The default action as it always was, with whatever the shell itself shows for a file it
        // has no program for.
        const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteW(
            nullptr, nullptr, wideFile.c_str(), wideParameters.c_str(), wideFolder.c_str(), SW_SHOWNORMAL));
        return result > 32 ? ERROR_SUCCESS : static_cast<DWORD>(result == 0 ? ERROR_OUTOFMEMORY : result);
    }
    const std::wstring wideVerb = WideFromUtf8(verb);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // Done before returning: the menu may end at once after a launch (Close Menu), and the shell's
    // own worker would die with it. No error box of the shell's own: the caller reports failures, and
    // the elevation prompt is not one.
    request.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    request.lpVerb = wideVerb.c_str();
    request.lpFile = wideFile.c_str();
    request.lpParameters = wideParameters.c_str();
    request.lpDirectory = wideFolder.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&request)) {
        const DWORD error = ::GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND;  // a failure never reads as success
    }
    return ERROR_SUCCESS;
}

bool OpenWithShell(const std::string& file, const std::string& workingFolder, const std::string& parameters) {
    return ShellOpen(file, workingFolder, parameters, nullptr) == ERROR_SUCCESS;
}

}  // namespace corvane::menu
