// The launch recorder (see support/LaunchRecord.h): writes "folder\narguments\nprogram\n" in UTF-8 to
// the file named by CORVANE_LAUNCH_RECORD, in one step, and ends.
#include "common/FileContents.h"
#include "common/ProgramPath.h"
#include "common/TextEncoding.h"

#include <windows.h>

#include <string>

namespace {

// The command line after the program's name, as the program received it.
std::wstring ArgumentsOf(const wchar_t* commandLine) {
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"') {
            ++p;
        }
        if (*p == L'"') {
            ++p;
        }
    } else {
        while (*p != L'\0' && *p != L' ' && *p != L'\t') {
            ++p;
        }
    }
    while (*p == L' ' || *p == L'\t') {
        ++p;
    }
    return p;
}

// An environment variable or the current folder: asked for its length first, so nothing is cut.
template <typename Query>
std::wstring Whole(Query query) {
    std::wstring text(query(0, nullptr), L'\0');
    text.resize(query(static_cast<DWORD>(text.size()), text.data()));
    return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using corvane::Utf8FromWide;
    const std::wstring recordPath = Whole([](DWORD size, wchar_t* buffer) {
        return ::GetEnvironmentVariableW(L"CORVANE_LAUNCH_RECORD", buffer, size);
    });
    if (recordPath.empty()) {
        return 1;
    }
    const std::wstring folder =
        Whole([](DWORD size, wchar_t* buffer) { return ::GetCurrentDirectoryW(size, buffer); });
    const std::string record = Utf8FromWide(folder) + "\n" + Utf8FromWide(ArgumentsOf(::GetCommandLineW())) +
                               "\n" + corvane::ProgramPath() + "\n";
    return corvane::ReplaceFileContents(Utf8FromWide(recordPath), record) == ERROR_SUCCESS ? 0 : 2;
}
