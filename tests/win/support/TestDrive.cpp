#include "tests/win/support/TestDrive.h"

#include "common/FileContents.h"
#include "common/UniqueHandle.h"

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

PulledDrive::~PulledDrive() { PutBack(); }

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

std::string TestProgramFolder() {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, length);
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace corvane::test
