#include "tests/win/creator/CreatorFolder.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "creator/core/DriveLayout.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

namespace corvane::test {
namespace {

void CollectFiles(const std::string& root, const std::string& relative,
                  std::map<std::string, std::string>& files) {
    ForEachFolderEntry(root + relative, [&](const std::string& name, bool isFolder) {
        if (isFolder) {
            files[relative + name + "\\"] = {};
            CollectFiles(root, relative + name + "\\", files);
        } else {
            files[relative + name] = ReadTestFile(root + relative + name);
        }
    });
}

// Starts a program of the Unix side (Wine starts Unix executables too). Wine gives no handle to
// wait on for such a process: the caller polls for its effect.
void StartUnixTool(const std::string& tool, const std::string& arguments) {
    std::string commandLine = tool + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(("Z:" + tool).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, nullptr, &startup, &process))
        << tool;
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
}

std::string QuotedUnixPath(const std::string& relative) {
    const char* drives = std::getenv("CORVANE_DRIVES");
    return drives == nullptr ? std::string() : "\"" + std::string(drives) + "/" + relative + "\"";
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

SessionFolderLink::SessionFolderLink(const std::string& link, const std::string& target) {
    std::string windowsLink = link;
    std::replace(windowsLink.begin(), windowsLink.end(), '/', '\\');
    path_ = SessionDriveFolder(windowsLink);
    if (path_.empty()) {
        ADD_FAILURE() << "CORVANE_DRIVES is not set: run the tests through tools/with-wine.sh";
        return;
    }
    unixLink_ = QuotedUnixPath(link);
    StartUnixTool("/bin/ln", "-s " + QuotedUnixPath(target) + " " + unixLink_);
    EXPECT_TRUE(PollUntil([this] { return Exists(path_); }, 10000)) << "no link " << path_;
}

SessionFolderLink::~SessionFolderLink() {
    if (!path_.empty()) {
        StartUnixTool("/bin/rm", "-f " + unixLink_);
        EXPECT_TRUE(PollUntil([this] { return !Exists(path_); }, 10000)) << "the link stays: " << path_;
    }
}

std::string CreatorCopyOf(const std::string& relativeName) {
    return "creator's " + relativeName + "\r\n";
}

void BuildCreatorFolder(const std::string& folder) {
    EmptyDrive(kSecondStickRoot);
    if (folder.back() != ':') {
        ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr));
    }
    ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8(folder + "\\Support").c_str(), nullptr));
    for (const std::string_view name : drive::kDriveFiles) {
        if (name != drive::kAutorunName) {
            WriteTestFile(creator::SourcePath(folder, name), CreatorCopyOf(std::string(name)));
        }
    }
}

std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> files;
    CollectFiles(root, "", files);
    return files;
}

}  // namespace corvane::test
