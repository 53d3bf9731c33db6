#include "tests/win/tendwell/DriveState.h"

#include "common/TextEncoding.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::test {
namespace {

constexpr DWORD kWatched = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                           FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

void Collect(const std::string& root, const std::string& relative, std::map<std::string, EntryState>& state) {
    ForEachFolderEntry(root + relative, [&](const std::string& name, bool isFolder) {
        const std::string path = root + relative + name;
        const DWORD attributes = AttributesOf(path) & kWatched;
        if (isFolder) {
            state[relative + name + "\\"] = {attributes, {}};
            if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
                Collect(root, relative + name + "\\", state);
            }
        } else {
            state[relative + name] = {attributes, ReadTestFile(path)};
        }
    });
}

}  // namespace

void MakeFolder(const std::string& path) {
    ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS)
        << path;
}

unsigned long AttributesOf(const std::string& path) {
    return ::GetFileAttributesW(WideFromUtf8(path).c_str());
}

std::map<std::string, EntryState> DriveState(const std::string& root) {
    std::map<std::string, EntryState> state;
    Collect(root, "", state);
    return state;
}

std::map<std::string, std::string> Differences(const std::map<std::string, EntryState>& before,
                                               const std::map<std::string, EntryState>& after) {
    std::map<std::string, std::string> changed;
    for (const auto& [name, entry] : before) {
        const auto now = after.find(name);
        if (now == after.end()) {
            changed[name] = "removed";
        } else if (now->second.contents != entry.contents) {
            changed[name] = "rewritten";
        } else if (now->second.attributes != entry.attributes) {
            changed[name] = "attributes " + std::to_string(entry.attributes) + " to " +
                            std::to_string(now->second.attributes);
        }
    }
    for (const auto& [name, entry] : after) {
        if (before.count(name) == 0) {
            changed[name] = "added";
        }
    }
    return changed;
}

void LayOutInfectedDrive() {
    constexpr DWORD kMarked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    EmptyDrive(kStickRoot);
    for (const char* folder : {"E:\\Support", "E:\\Support\\Backups", "E:\\My Music", "E:\\Photos",
                               "E:\\System Volume Information", "E:\\Notes", "E:\\Drafts"}) {
        MakeFolder(folder);
    }
    for (const char* file : {"E:\\Menu.exe", "E:\\Kindel.exe", "E:\\Support\\Tendwell.exe", "E:\\Data.dat",
                             "E:\\Settings.ini", "E:\\Support\\Backups\\Data 1.dat", "E:\\Photos\\cat.jpg",
                             "E:\\report.doc", "E:\\My Music\\song.mp3"}) {
        WriteTestFile(file, std::string("contents of ") + file);
    }
    // Shortcuts of the hidden names, and of names the wizard must not touch.
    for (const char* shortcut : {"E:\\Photos.lnk", "E:\\report.lnk", "E:\\System Volume Information.lnk",
                                 "E:\\Data.dat.lnk", "E:\\Drafts.lnk"}) {
        WriteTestFile(shortcut, "L\0\0\0 a shortcut");
    }
    WriteTestFile("E:\\Autorun.inf",
                  "[AutoRun]\r\nopen=RECYCLER\\x.exe\r\nLabel=MYSTICK\r\naction=Open folder to view files\r\n"
                  "shell\\explore\\command=RECYCLER\\x.exe\r\n");
    SetAttributes("E:\\Autorun.inf", kMarked | FILE_ATTRIBUTE_READONLY);
    SetAttributes("E:\\Photos", kMarked);
    SetAttributes("E:\\report.doc", kMarked | FILE_ATTRIBUTE_READONLY);
    SetAttributes("E:\\System Volume Information", kMarked);
    SetAttributes("E:\\Data.dat", kMarked);
    SetAttributes("E:\\Notes", kMarked);
    SetAttributes("E:\\Drafts", FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace corvane::test
