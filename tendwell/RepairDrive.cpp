#include "tendwell/RepairDrive.h"

#include "common/FileContents.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "tendwell/AutorunFile.h"
#include "tendwell/core/TendwellTexts.h"

#include <windows.h>

namespace corvane::tendwell {
namespace {

// The attributes SetFileAttributes takes; the others describe the entry and cannot be set.
constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                            FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;

DWORD SetAttributes(const std::wstring& path, DWORD attributes) {
    const DWORD settable = attributes & kSettable;
    return ::SetFileAttributesW(path.c_str(), settable != 0 ? settable : FILE_ATTRIBUTE_NORMAL)
               ? ERROR_SUCCESS
               : ::GetLastError();
}

// A read-only file's flag is lifted for a change and put back unless the change went through.
class ReadOnlyLift {
  public:
    ReadOnlyLift(const std::wstring& path, DWORD attributes) : path_(path), attributes_(attributes) {
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            error_ = SetAttributes(path, attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
            lifted_ = error_ == ERROR_SUCCESS;
        }
    }
    ~ReadOnlyLift() {
        if (lifted_ && !kept_) {
            SetAttributes(path_, attributes_);
        }
    }
    ReadOnlyLift(const ReadOnlyLift&) = delete;
    ReadOnlyLift& operator=(const ReadOnlyLift&) = delete;

    [[nodiscard]] DWORD Error() const noexcept { return error_; }
    void Keep() noexcept { kept_ = true; }

  private:
    const std::wstring& path_;
    DWORD attributes_;
    DWORD error_ = ERROR_SUCCESS;
    bool lifted_ = false;
    bool kept_ = false;
};

// The entry's attributes now, refusing links; ERROR_SUCCESS with `attributes` INVALID_FILE_ATTRIBUTES
// when nothing of that name is there and `mayBeMissing`.
DWORD CurrentAttributes(const std::wstring& path, bool mayBeMissing, DWORD& attributes) {
    attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return mayBeMissing && error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
    }
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? kReparsePointRefused : ERROR_SUCCESS;
}

DWORD Unhide(const std::wstring& path) {
    DWORD attributes = 0;
    if (const DWORD error = CurrentAttributes(path, false, attributes); error != ERROR_SUCCESS) {
        return error;
    }
    return SetAttributes(path, attributes & ~DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
}

DWORD DeleteShortcut(const std::wstring& path) {
    DWORD attributes = 0;
    if (const DWORD error = CurrentAttributes(path, false, attributes); error != ERROR_SUCCESS) {
        return error;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ERROR_DIRECTORY;
    }
    ReadOnlyLift lift(path, attributes);
    if (lift.Error() != ERROR_SUCCESS) {
        return lift.Error();
    }
    if (!::DeleteFileW(path.c_str())) {
        return ::GetLastError();
    }
    // A write-protected stick can report a delete that did not happen.
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return ERROR_WRITE_PROTECT;
    }
    lift.Keep();
    return ERROR_SUCCESS;
}

DWORD WriteAutorun(const std::string& path, const AutorunLabels& labels) {
    const std::wstring widePath = WideFromUtf8(path);
    DWORD attributes = 0;
    if (const DWORD error = CurrentAttributes(widePath, true, attributes); error != ERROR_SUCCESS) {
        return error;
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return ReplaceFileContents(path, AutorunFileBytes(labels));
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ERROR_DIRECTORY;
    }
    ReadOnlyLift lift(widePath, attributes);
    if (lift.Error() != ERROR_SUCCESS) {
        return lift.Error();
    }
    const DWORD error = ReplaceFileContents(path, AutorunFileBytes(labels));
    if (error == ERROR_SUCCESS) {
        lift.Keep();
    }
    return error;
}

DWORD DoStep(const std::string& root, const RepairStep& step) {
    const std::string path = root + step.name;
    switch (step.kind) {
        case RepairKind::WriteAutorun:
            return WriteAutorun(path, step.labels);
        case RepairKind::Unhide:
            return Unhide(WideFromUtf8(path));
        case RepairKind::DeleteShortcut:
            return DeleteShortcut(WideFromUtf8(path));
    }
    return ERROR_INVALID_FUNCTION;
}

}  // namespace

RepairOutcome RepairDrive(const DriveInspection& inspected) {
    RepairOutcome outcome;
    if ((outcome.refusal = DriveRefusal(inspected.root))) {
        return outcome;
    }
    // Another stick in the same letter since the check: the list the user confirmed is not about it.
    DWORD serial = 0;
    if (VolumeSerialOf(inspected.root, serial) != ERROR_SUCCESS || serial != inspected.serial) {
        outcome.refusal = texts::kDriveChanged;
        return outcome;
    }
    for (const RepairStep& step : inspected.check.steps) {
        const DWORD error = DoStep(inspected.root, step);
        outcome.outcomes.push_back(
            {error == ERROR_SUCCESS, error == ERROR_SUCCESS ? "" : SystemErrorText(error)});
    }
    return outcome;
}

}  // namespace corvane::tendwell
