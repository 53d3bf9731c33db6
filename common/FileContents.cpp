#include "common/FileContents.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"

#include <algorithm>
#include <utility>

namespace corvane {
namespace {

constexpr DWORD kMaxChunk = 1u << 20;  // WriteFile/ReadFile take 32-bit counts; stay well inside

DWORD WriteAll(HANDLE file, std::string_view contents) {
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), kMaxChunk));
        DWORD written = 0;
        if (!::WriteFile(file, contents.data(), chunk, &written, nullptr)) {
            return ::GetLastError();
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT;
        }
        contents.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
constexpr unsigned kTemporaryNameAttempts = 64;

bool IsReparse(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool HandleIsReparsePoint(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    return ::GetFileInformationByHandle(file, &information) && IsReparse(information.dwFileAttributes);
}

// "<path>.<8 hex digits>.tmp": a name no one else is writing to, so a file left behind by another
// save (read-only, a folder, a link) never stands in the way.
std::string TemporaryName(const std::string& path, unsigned attempt) {
    static constexpr char kHex[] = "0123456789abcdef";
    unsigned value = (::GetCurrentProcessId() << 16) ^ ::GetTickCount() ^ (attempt * 0x9E3779B9u);
    std::string digits(8, '0');
    for (char& digit : digits) {
        digit = kHex[value & 0xF];
        value >>= 4;
    }
    return path + "." + digits + ".tmp";
}

// Creates a temporary file of a fresh name beside `path`; only a file this call created is ever
// written to (CREATE_NEW fails on any existing name, links included).
DWORD CreateTemporaryFile(const std::string& path, DWORD attributes, std::string& name, UniqueFile& file) {
    DWORD error = ERROR_FILE_EXISTS;
    for (unsigned attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        name = TemporaryName(path, attempt);
        file.reset(::CreateFileW(WideFromUtf8(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 attributes | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file) {
            return ERROR_SUCCESS;
        }
        error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    name.clear();
    return error;
}

DWORD FinishFile(UniqueFile file, std::string_view contents) {
    if (const DWORD error = WriteAll(file.get(), contents); error != ERROR_SUCCESS) {
        return error;
    }
    if (!::FlushFileBuffers(file.get())) {
        return ::GetLastError();
    }
    // Closing can still report a failed write-back on removable media.
    if (!::CloseHandle(file.release())) {
        return ::GetLastError();
    }
    return ERROR_SUCCESS;
}

}  // namespace

bool IsReparsePoint(const std::string& path) {
    // GetFileAttributes describes the last component itself, not what a link leads to.
    return IsReparse(::GetFileAttributesW(WideFromUtf8(path).c_str()));
}

DWORD ReplaceFileContents(const std::string& path, std::string_view contents) {
    const DWORD existing = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    if (IsReparse(existing)) {
        return kReparsePointRefused;
    }
    const DWORD kept = existing == INVALID_FILE_ATTRIBUTES ? 0 : existing & kKeptAttributes;
    const DWORD attributes = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
    std::string temporary;
    UniqueFile file;
    DWORD error = CreateTemporaryFile(path, attributes, temporary, file);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    error = FinishFile(std::move(file), contents);
    if (error == ERROR_SUCCESS && IsReparsePoint(path)) {  // became a link while we wrote
        error = kReparsePointRefused;
    }
    if (error == ERROR_SUCCESS && !::MoveFileExW(WideFromUtf8(temporary).c_str(), WideFromUtf8(path).c_str(),
                                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = ::GetLastError();
    }
    if (error != ERROR_SUCCESS) {
        ::DeleteFileW(WideFromUtf8(temporary).c_str());
    }
    return error;
}

DWORD ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    if (IsReparsePoint(path)) {
        return kReparsePointRefused;
    }
    // Opened as the link itself if it became one since: then its attributes say so.
    UniqueFile file(::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) {
        return ::GetLastError();
    }
    if (HandleIsReparsePoint(file.get())) {
        return kReparsePointRefused;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) {
        return ::GetLastError();
    }
    if (static_cast<unsigned long long>(size.QuadPart) > contents.max_size()) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    contents.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, kMaxChunk));
        DWORD read = 0;
        if (!::ReadFile(file.get(), contents.data() + done, chunk, &read, nullptr)) {
            contents.clear();
            return ::GetLastError();
        }
        if (read == 0) {  // the file shrank while we read it
            break;
        }
        done += read;
    }
    contents.resize(done);
    return ERROR_SUCCESS;
}

}  // namespace corvane
