#include "utility/KeptFiles.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"

#include <functional>

namespace corvane::utility {
namespace {

DWORD Attributes(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str());
}

bool IsLink(DWORD attributes) noexcept {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Calls `visit` with every entry of `folder` (without "." and ".."); false when the folder could not
// be read.
bool ForEachEntry(const std::wstring& folder, const std::function<bool(const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW entry{};
    const UniqueFind search(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!search) {
        return false;
    }
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L".." && !visit(entry)) {
            return false;
        }
    } while (::FindNextFileW(search.get(), &entry));
    return ::GetLastError() == ERROR_NO_MORE_FILES;
}

// Creates each missing folder of `path` (whose root, "E:\", is there).
bool CreateFolders(const std::wstring& path) {
    for (std::size_t at = path.find(L'\\', 3);; at = path.find(L'\\', at + 1)) {
        const std::wstring part = path.substr(0, at);
        if (!::CreateDirectoryW(part.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
        if (at == std::wstring::npos) {
            return true;
        }
    }
}

std::wstring ParentOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

class Copier {
  public:
    CopyResult result;

    bool CopyFile(const std::wstring& from, const std::wstring& to) {
        return ::CopyFileW(from.c_str(), to.c_str(), TRUE) || Fail(to);
    }

    bool CopyFolder(const std::wstring& from, const std::wstring& to) {
        if (!::CreateDirectoryW(to.c_str(), nullptr)) {
            return Fail(to);
        }
        const bool listed = ForEachEntry(from, [&](const WIN32_FIND_DATAW& entry) {
            if (IsLink(entry.dwFileAttributes)) {
                return true;  // a link leads off the drive's own files: not part of the copy
            }
            const std::wstring source = from + L"\\" + entry.cFileName;
            const std::wstring target = to + L"\\" + entry.cFileName;
            return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? CopyFolder(source, target)
                                                                            : CopyFile(source, target);
        });
        return listed || (result.done && Fail(from));
    }

    bool Fail(const std::wstring& path) {
        result = {false, Utf8FromWide(path), ::GetLastError()};
        return false;
    }
};

}  // namespace

bool IsFile(const std::string& path) {
    const DWORD attributes = Attributes(WideFromUtf8(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = Attributes(WideFromUtf8(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           !IsLink(attributes);
}

bool Exists(const std::string& path) {
    return Attributes(WideFromUtf8(path)) != INVALID_FILE_ATTRIBUTES;
}

CopyResult RunCopySteps(const std::vector<CopyStep>& steps) {
    Copier copier;
    for (const CopyStep& step : steps) {
        const std::wstring from = WideFromUtf8(step.from);
        const std::wstring to = WideFromUtf8(step.to);
        if (!CreateFolders(ParentOf(to))) {
            copier.Fail(ParentOf(to));
            break;
        }
        if (!(step.folder ? copier.CopyFolder(from, to) : copier.CopyFile(from, to))) {
            break;
        }
    }
    return copier.result;
}

namespace {

bool RemoveTree(const std::wstring& folder) {
    ForEachEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
        const std::wstring path = folder + L"\\" + entry.cFileName;
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (isFolder && IsLink(entry.dwFileAttributes)) {
            ::RemoveDirectoryW(path.c_str());  // the link goes, what it leads to stays
        } else if (isFolder) {
            RemoveTree(path);
        } else {
            ::DeleteFileW(path.c_str());
        }
        return true;
    });
    return ::RemoveDirectoryW(folder.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

bool RemoveFolderTree(const std::string& folder) {
    return RemoveTree(WideFromUtf8(folder));
}

}  // namespace corvane::utility
