#include "menu/ListHistory.h"

#include "common/FileContents.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "menu/EntryList.h"
#include "menu/core/DataFile.h"
#include "menu/core/DataFileEncoding.h"

#include <algorithm>
#include <new>

namespace corvane::menu {
namespace {

DWORD Attributes(const std::string& path) {
    return ::GetFileAttributesW(WideFromUtf8(path).c_str());
}

// The folder as one the history may use: a real folder, never a link, created when missing and asked.
DWORD CheckFolder(const std::string& path, bool create) {
    DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES && create) {
        if (!::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) &&
            ::GetLastError() != ERROR_ALREADY_EXISTS) {
            return ::GetLastError();
        }
        attributes = Attributes(path);
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return ::GetLastError();
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return kReparsePointRefused;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ERROR_SUCCESS : static_cast<DWORD>(ERROR_DIRECTORY);
}

SavedTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
}

}  // namespace

ListHistory::ListHistory(const std::string& menuFolder)
    : support_(JoinPath(menuFolder, drive::kSupportFolderName)),
      backups_(JoinPath(menuFolder, kBackupsFolder)) {}

DWORD ListHistory::CheckFolders(bool create) const {
    const DWORD error = CheckFolder(support_, create);
    return error != ERROR_SUCCESS ? error : CheckFolder(backups_, create);
}

void ListHistory::ListNames(std::vector<std::string>& all, std::vector<std::string>& files) const {
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileExW(WideFromUtf8(JoinPath(backups_, kVersionNamePattern)).c_str(),
                                               FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
    if (!search) {
        return;
    }
    do {
        std::string name = Utf8FromWide(found.cFileName);
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0) {
            files.push_back(name);
        }
        all.push_back(std::move(name));
    } while (::FindNextFileW(search.get(), &found));
}

DWORD ListHistory::Keep(std::string_view contents, const SavedTime& saved) const {
    if (const DWORD error = CheckFolders(true); error != ERROR_SUCCESS) {
        return error;
    }
    std::vector<std::string> all;
    std::vector<std::string> files;
    ListNames(all, files);
    const std::string name = VersionFileName(NextSequence(all), saved);
    if (const DWORD error = ReplaceFileContents(JoinPath(backups_, name), contents); error != ERROR_SUCCESS) {
        return error;
    }
    files.push_back(name);
    for (const ListVersion& old : VersionsToRemove(VersionsAmong(files))) {
        ::DeleteFileW(WideFromUtf8(JoinPath(backups_, old.fileName)).c_str());
    }
    return ERROR_SUCCESS;
}

std::vector<KeptVersion> ListHistory::Versions() const {
    std::vector<KeptVersion> kept;
    if (CheckFolders(false) != ERROR_SUCCESS) {
        return kept;
    }
    std::vector<std::string> all;
    std::vector<std::string> files;
    ListNames(all, files);
    std::string contents;
    for (ListVersion& version : VersionsAmong(files)) {
        if (Read(version, contents) == ERROR_SUCCESS) {
            kept.push_back(
                {std::move(version), CountRecords(SplitDataFile(contents).records, kEntryFieldCount)});
        }
    }
    return kept;
}

DWORD ListHistory::Read(const ListVersion& version, std::string& contents) const {
    if (const DWORD error = CheckFolders(false); error != ERROR_SUCCESS) {
        return error;
    }
    return ReadWholeFile(JoinPath(backups_, version.fileName), contents);
}

bool ListHistory::IsLinked() const {
    return CheckFolders(false) == kReparsePointRefused;
}

SavedTime LastWrittenTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (::GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data) &&
        ::FileTimeToSystemTime(&data.ftLastWriteTime, &universal) &&
        ::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return FromSystemTime(local);
    }
    ::GetLocalTime(&local);
    return FromSystemTime(local);
}

DWORD SaveListKeepingHistory(const std::string& menuFolder, const EntryModel& entries) {
    const std::string dataFile = JoinPath(menuFolder, drive::kDataFileName);
    std::string previous;
    bool havePrevious = false;
    try {
        havePrevious = ReadWholeFile(dataFile, previous) == ERROR_SUCCESS;
    } catch (const std::bad_alloc&) {  // no room to hold the old list: the save goes on without a version
    }
    const SavedTime saved = LastWrittenTime(dataFile);
    const DWORD error = SaveList(dataFile, entries);
    if (error != ERROR_SUCCESS || !havePrevious) {
        return error;
    }
    try {
        // Counting the old records is cheap; only a list of as many entries (an edit, a re-sort) is
        // read whole to compare.
        bool changed = CountRecords(SplitDataFile(previous).records, kEntryFieldCount) != entries.Size();
        if (!changed) {
            EntryModel before;
            changed =
                DecodeList(previous, before) != ERROR_SUCCESS || !SameEntriesInAnyOrder(before, entries);
        }
        if (changed) {
            ListHistory(menuFolder).Keep(previous, saved);
        }
    } catch (const std::bad_alloc&) {  // the list is saved; only its earlier version is not kept
    }
    return error;
}

DWORD RestoreVersion(const std::string& menuFolder, const ListVersion& version) {
    const ListHistory history(menuFolder);
    std::string chosen;
    if (const DWORD error = history.Read(version, chosen); error != ERROR_SUCCESS) {
        return error;
    }
    const std::string dataFile = JoinPath(menuFolder, drive::kDataFileName);
    std::string current;
    const DWORD readError = ReadWholeFile(dataFile, current);
    if (readError == ERROR_SUCCESS) {
        if (const DWORD error = history.Keep(current, LastWrittenTime(dataFile)); error != ERROR_SUCCESS) {
            return error;
        }
    } else if (readError != ERROR_FILE_NOT_FOUND) {
        return readError;  // a list that cannot be kept is not replaced
    }
    return ReplaceFileContents(dataFile, chosen);
}

}  // namespace corvane::menu
