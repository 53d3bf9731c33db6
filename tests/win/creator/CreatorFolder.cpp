#include "tests/win/creator/CreatorFolder.h"

#include "creator/core/DriveLayout.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

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

}  // namespace

std::string CreatorCopyOf(const std::string& relativeName) {
    return "creator's " + relativeName + "\r\n";
}

void BuildCreatorFolder() {
    EmptyDrive(kSecondStickRoot);
    ASSERT_TRUE(::CreateDirectoryA(kCreatorFolder, nullptr));
    ASSERT_TRUE(::CreateDirectoryA((std::string(kCreatorFolder) + "\\Support").c_str(), nullptr));
    for (const std::string_view name : creator::kDriveFiles) {
        if (name != creator::kAutorunName) {
            WriteTestFile(creator::SourcePath(kCreatorFolder, name), CreatorCopyOf(std::string(name)));
        }
    }
}

std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> files;
    CollectFiles(root, "", files);
    return files;
}

}  // namespace corvane::test
