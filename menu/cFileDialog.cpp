#include "menu/cFileDialog.h"

#include "common/ProgramPath.h"
#include "menu/core/EntryTarget.h"

namespace corvane::menu {
namespace {

std::string ProgramName() {
    const std::string name = GetFileName(ProgramPath());
    return name.substr(0, name.rfind('.'));
}

// Text up to the first NUL.
std::string UpToNul(const std::vector<char>& buffer) {
    return std::string(buffer.data());
}

}  // namespace

cFileDialog::cFileDialog() {
    // The record without the fields Windows 2000 added, as every version of Windows accepts it.
    record_.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record_.nFilterIndex = 1;
}

void cFileDialog::Filename(const std::string& value) {
    if (value.size() > kFileBufferSize) {
        throw FileDialogError{kInvalidArgumentError, ErrorSource(Kind::Open), kInvalidArgumentText};
    }
    filename_ = value;
}

void cFileDialog::Filter(const std::string& value) {
    filter_ = value;
    filterBuffer_ = DialogFilter(value);
    record_.lpstrFilter = filterBuffer_.c_str();
}

void cFileDialog::DefaultExt(const std::string& value) {
    defaultExt_ = value;
    defaultExtBuffer_ = WithTwoNuls(value);
    record_.lpstrDefExt = defaultExtBuffer_.c_str();
}

void cFileDialog::DialogTitle(const std::string& value) {
    title_ = value;
    record_.lpstrTitle = title_.c_str();
}

void cFileDialog::InitDir(const std::string& value) {
    initDir_ = value;
    initDirBuffer_ = WithTwoNuls(value);
    record_.lpstrInitialDir = initDirBuffer_.c_str();
}

std::string cFileDialog::ErrorSource(Kind kind) const {
    // The Save As dialog's errors have always named their source this way; callers may match it.
    return ProgramName() + (kind == Kind::Open ? ".cFileDialog" : ".cFilenDialog");
}

void cFileDialog::ShowOpen() {
    Show(Kind::Open);
}

void cFileDialog::ShowSave() {
    Show(Kind::Save);
}

void cFileDialog::Show(Kind kind) {
    record_.Flags = flags_;
    const bool multiSelect = kind == Kind::Open && (flags_ & OFN_ALLOWMULTISELECT) != 0;
    const std::size_t size = multiSelect ? kMultiSelectBufferSize : kFileBufferSize;
    if (multiSelect) {
        record_.Flags |= OFN_EXPLORER;
    }
    if (filename_.size() > size || fileTitle_.size() > size) {
        throw FileDialogError{kInvalidArgumentError, ErrorSource(kind), kInvalidArgumentText};
    }
    // One more than the size, so that a name of the full size still has its terminating NUL.
    std::vector<char> file(size + 1, '\0');
    std::copy(filename_.begin(), filename_.end(), file.begin());
    std::vector<char> title(size + 1, '\0');
    std::copy(fileTitle_.begin(), fileTitle_.end(), title.begin());
    record_.lpstrFile = file.data();
    record_.nMaxFile = static_cast<DWORD>(file.size());
    record_.lpstrFileTitle = title.data();
    record_.nMaxFileTitle = static_cast<DWORD>(title.size());

    const BOOL chosen = kind == Kind::Open ? ::GetOpenFileNameA(&record_) : ::GetSaveFileNameA(&record_);
    record_.lpstrFile = nullptr;  // the buffers end with this call
    record_.lpstrFileTitle = nullptr;
    if (!chosen) {
        if (cancelError_) {
            throw FileDialogError{kCancelError, ErrorSource(kind), kCancelText};
        }
        return;
    }
    if (multiSelect && (record_.Flags & OFN_ALLOWMULTISELECT) != 0) {
        // Folder and names separated by NULs, ended by two NULs.
        const std::string_view whole(file.data(), file.size());
        const auto end = whole.find(std::string_view("\0\0", 2));
        filename_ = std::string(whole.substr(0, end == std::string_view::npos ? whole.size() : end + 2));
    } else {
        filename_ = UpToNul(file);
    }
    fileTitle_ = UpToNul(title);
}

void cFileDialog::ParseMultiFileName(std::string& sDir, std::vector<std::string>& sFiles,
                                     long& lFileCount) const {
    ParseMultiSelection(filename_, ErrorSource(Kind::Open), sDir, sFiles);
    lFileCount = static_cast<long>(sFiles.size());
}

}  // namespace corvane::menu
