#include "common/FileContents.h"

#include "common/UniqueHandle.h"

#include <algorithm>

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

DWORD WriteNewFile(const std::string& path, std::string_view contents) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file) {
        return ::GetLastError();
    }
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

DWORD ReplaceFileContents(const std::string& path, std::string_view contents) {
    const std::string temporary = path + ".tmp";
    DWORD error = WriteNewFile(temporary, contents);
    if (error == ERROR_SUCCESS &&
        !::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = ::GetLastError();
    }
    if (error != ERROR_SUCCESS) {
        ::DeleteFileA(temporary.c_str());
    }
    return error;
}

DWORD ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return ::GetLastError();
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
