#include "tests/win/support/TestDrive.h"

#include "common/FileContents.h"
#include "common/ProgramPath.h"
#include "common/TextEncoding.h"
#include "common/WindowsFolders.h"
#include "common/UniqueHandle.h"
#include "tests/win/support/Polling.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

// Paths are UTF-8, as in the programs.

namespace corvane::test {

void ForEachFolderEntry(const std::string& folder,
                        const std::function<void(const std::string& name, bool isFolder)>& visit) {
    WIN32_FIND_DATAW entry{};
    UniqueFind find(::FindFirstFileW(WideFromUtf8(folder + "*").c_str(), &entry));
    if (!find) {
        return;
    }
    do {
        const std::string name = Utf8FromWide(entry.cFileName);
        if (name != "." && name != "..") {
            visit(name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        }
    } while (::FindNextFileW(find.get(), &entry));
}

namespace {

void DeleteTree(const std::string& folder) {
    ForEachFolderEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::string path = folder + name;
        const std::wstring widePath = WideFromUtf8(path);
        ::SetFileAttributesW(widePath.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (isFolder) {
            DeleteTree(path + "\\");
            ::RemoveDirectoryW(widePath.c_str());
        } else {
            ::DeleteFileW(widePath.c_str());
        }
    });
}

}  // namespace

bool DriveIsMapped(const std::string& root) {
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(root).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void EmptyDrive(const std::string& root) {
    ASSERT_TRUE(DriveIsMapped(root)) << root << " is not mapped: run the tests through tools/with-wine.sh";
    DeleteTree(root);
}

void WriteTestFile(const std::string& path, std::string_view contents) {
    ASSERT_EQ(ReplaceFileContents(path, contents), static_cast<DWORD>(ERROR_SUCCESS)) << path;
}

std::string ReadTestFile(const std::string& path) {
    std::string contents;
    EXPECT_EQ(ReadWholeFile(path, contents), static_cast<DWORD>(ERROR_SUCCESS)) << path;
    return contents;
}

void SetAttributes(const std::string& path, unsigned long attributes) {
    ASSERT_TRUE(::SetFileAttributesW(WideFromUtf8(path).c_str(), attributes)) << path;
}

std::string SessionDriveFolder(const std::string& name) {
    const char* drives = std::getenv("CORVANE_DRIVES");
    if (drives == nullptr) {
        return {};
    }
    std::string folder = std::string("Z:") + drives + "/" + name;
    for (char& c : folder) {
        c = c == '/' ? '\\' : c;
    }
    return folder;
}

PulledDrive::PulledDrive(const std::string& folderName)
    : folder_(SessionDriveFolder(folderName)), away_(folder_.empty() ? "" : folder_ + "-pulled") {}

PulledDrive::~PulledDrive() {
    PutBack();
}

bool PulledDrive::Pull() {
    if (folder_.empty() || pulled_) {
        return false;
    }
    pulled_ = ::MoveFileW(WideFromUtf8(folder_).c_str(), WideFromUtf8(away_).c_str()) != FALSE;
    return pulled_;
}

void PulledDrive::PutBack() {
    if (pulled_.exchange(false)) {
        EXPECT_TRUE(::MoveFileW(WideFromUtf8(away_).c_str(), WideFromUtf8(folder_).c_str()))
            << "could not put " << folder_ << " back";
    }
}

namespace {

// The Unix name Wine gives a Windows path (wine_get_unix_file_name), empty outside Wine.
std::string HostPath(const std::string& path) {
    using Convert = char* (*)(const wchar_t*);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr) {
        return {};
    }
    const std::wstring wide = WideFromUtf8(path);
    char* unixName = convert(wide.c_str());
    if (unixName == nullptr) {
        return {};
    }
    std::string result(unixName);
    ::HeapFree(::GetProcessHeap(), 0, unixName);
    return result;
}

// Starts a host program (Wine starts Unix programs given by their Z: path). Wine hands back no
// handle that waits for a Unix program: callers poll for its effect.
bool RunHostCommand(const std::string& program, const std::string& arguments) {
    std::wstring line = WideFromUtf8(program + " " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(WideFromUtf8("Z:" + program).c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &process)) {
        return false;
    }
    UniqueKernelHandle ownProcess(process.hProcess);
    UniqueKernelHandle ownThread(process.hThread);
    return true;
}

bool Exists(const std::string& path) {
    WIN32_FIND_DATAW entry{};
    return UniqueFind(::FindFirstFileW(WideFromUtf8(path).c_str(), &entry)).valid();
}

}  // namespace

SymbolicLink::SymbolicLink(const std::string& link, const std::string& target, bool toFolder) : link_(link) {
    const DWORD flags = (toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | 0x2;  // unprivileged create
    if (::CreateSymbolicLinkW(WideFromUtf8(link).c_str(), WideFromUtf8(target).c_str(), flags) &&
        Exists(link)) {
        made_ = true;
        return;
    }
    const std::string hostLink = HostPath(link);
    const std::string hostTarget = HostPath(target);
    if (hostLink.empty() || hostTarget.empty()) {
        return;
    }
    onHost_ = RunHostCommand("/bin/ln", "-s " + hostTarget + " " + hostLink);
    made_ = onHost_ && PollUntil([&] { return Exists(link); }, 10000);
}

SymbolicLink::~SymbolicLink() {
    if (onHost_) {
        if (RunHostCommand("/bin/rm", "-f " + HostPath(link_))) {
            EXPECT_TRUE(PollUntil([&] { return !Exists(link_); }, 10000)) << link_ << " stayed";
        }
    } else if (made_ && !::RemoveDirectoryW(WideFromUtf8(link_).c_str())) {  // a folder link goes as a folder
        ::DeleteFileW(WideFromUtf8(link_).c_str());
    }
}

std::vector<std::string> FolderEntriesMatching(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    UniqueFind find(::FindFirstFileW(WideFromUtf8(folder + pattern).c_str(), &entry));
    if (find) {
        do {
            names.push_back(Utf8FromWide(entry.cFileName));
        } while (::FindNextFileW(find.get(), &entry));
    }
    return names;
}

CurrentFolder::CurrentFolder(const std::string& folder) {
    std::wstring previous(::GetCurrentDirectoryW(0, nullptr), L'\0');
    previous.resize(::GetCurrentDirectoryW(static_cast<DWORD>(previous.size()), previous.data()));
    previous_ = Utf8FromWide(previous);
    EXPECT_TRUE(::SetCurrentDirectoryW(WideFromUtf8(folder).c_str())) << folder;
}

CurrentFolder::~CurrentFolder() {
    ::SetCurrentDirectoryW(WideFromUtf8(previous_).c_str());
}

std::string WindowsSystemFolder() {
    return SystemFolder();
}

std::string TestProgramFolder() {
    const std::string path = ProgramPath();
    return path.substr(0, path.rfind('\\') + 1);
}

UniqueFile FillDrive(const std::string& root) {
    UniqueFile filler(::CreateFileW(WideFromUtf8(root + "filler.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr));
    const std::string block(4096, 'f');
    DWORD written = 0;
    while (filler &&
           ::WriteFile(filler.get(), block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
           written == block.size()) {
    }
    return filler;
}

}  // namespace corvane::test
