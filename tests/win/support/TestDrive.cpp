#include "tests/win/support/TestDrive.h"

#include "common/FileContents.h"
#include "common/UniqueHandle.h"
#include "tests/win/support/Polling.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace corvane::test {

void ForEachFolderEntry(const std::string& folder,
                        const std::function<void(const std::string& name, bool isFolder)>& visit) {
    WIN32_FIND_DATAA entry{};
    UniqueFind find(::FindFirstFileA((folder + "*").c_str(), &entry));
    if (!find) {
        return;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            visit(name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        }
    } while (::FindNextFileA(find.get(), &entry));
}

namespace {

void DeleteTree(const std::string& folder) {
    ForEachFolderEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::string path = folder + name;
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (isFolder) {
            DeleteTree(path + "\\");
            ::RemoveDirectoryA(path.c_str());
        } else {
            ::DeleteFileA(path.c_str());
        }
    });
}

}  // namespace

bool DriveIsMapped(const std::string& root) {
    const DWORD attributes = ::GetFileAttributesA(root.c_str());
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
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attributes)) << path;
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
    pulled_ = ::MoveFileA(folder_.c_str(), away_.c_str()) != FALSE;
    return pulled_;
}

void PulledDrive::PutBack() {
    if (pulled_.exchange(false)) {
        EXPECT_TRUE(::MoveFileA(away_.c_str(), folder_.c_str())) << "could not put " << folder_ << " back";
    }
}

namespace {

// The Unix name Wine gives a Windows path (wine_get_unix_file_name), empty outside Wine.
std::string HostPath(const std::string& path) {
    using Convert = char* (*)(const wchar_t*);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr) {
        return {};
    }
    const std::wstring wide(path.begin(), path.end());
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
    std::string line = program + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(("Z:" + program).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    UniqueKernelHandle ownProcess(process.hProcess);
    UniqueKernelHandle ownThread(process.hThread);
    return true;
}

bool Exists(const std::string& path) {
    WIN32_FIND_DATAA entry{};
    return UniqueFind(::FindFirstFileA(path.c_str(), &entry)).valid();
}

}  // namespace

SymbolicLink::SymbolicLink(const std::string& link, const std::string& target, bool toFolder) : link_(link) {
    const DWORD flags = (toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | 0x2;  // unprivileged create
    if (::CreateSymbolicLinkA(link.c_str(), target.c_str(), flags) && Exists(link)) {
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
    } else if (made_ && !::RemoveDirectoryA(link_.c_str())) {  // a link to a folder is removed as one
        ::DeleteFileA(link_.c_str());
    }
}

std::vector<std::string> FolderEntriesMatching(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    UniqueFind find(::FindFirstFileA((folder + pattern).c_str(), &entry));
    if (find) {
        do {
            names.emplace_back(entry.cFileName);
        } while (::FindNextFileA(find.get(), &entry));
    }
    return names;
}

CurrentFolder::CurrentFolder(const std::string& folder) {
    char previous[MAX_PATH * 4] = {};
    previous_.assign(previous, ::GetCurrentDirectoryA(sizeof previous, previous));
    EXPECT_TRUE(::SetCurrentDirectoryA(folder.c_str())) << folder;
}

CurrentFolder::~CurrentFolder() {
    ::SetCurrentDirectoryA(previous_.c_str());
}

std::string WindowsSystemFolder() {
    char folder[MAX_PATH] = {};
    return std::string(folder, ::GetSystemDirectoryA(folder, MAX_PATH));
}

std::string TestProgramFolder() {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, length);
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace corvane::test
