#include "menu/cFileDialog.h"

#include "common/ProgramPath.h"
#include "common/TextEncoding.h"
#include "menu/core/EntryTarget.h"

#include <algorithm>
#include <optional>

namespace corvane::menu {
namespace {

std::string ProgramName() {
    const std::string name = GetFileName(ProgramPath());
    return name.substr(0, name.rfind('.'));
}

// Text up to the first NUL.
std::string UpToNul(const std::vector<wchar_t>& buffer) {
    return Utf8FromWide(buffer.data());
}

// A dialog buffer of `size` characters (and its terminating NUL) that starts with `text`; nullopt
// when the text does not fit.
std::optional<std::vector<wchar_t>> DialogBuffer(const std::string& text, std::size_t size) {
    const std::wstring wide = WideFromUtf8(text);
    if (wide.size() > size) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(size + 1, L'\0');
    std::copy(wide.begin(), wide.end(), buffer.begin());
    return buffer;
}

}  // namespace

cFileDialog::cFileDialog() {
    // The record without the fields Windows 2000 added, as every version of Windows accepts it.
    record_.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record_.nFilterIndex = 1;
}

void cFileDialog::Filename(const std::string& value) {
    if (WideFromUtf8(value).size() > kFileBufferSize) {
        throw FileDialogError{kInvalidArgumentError, ErrorSource(Kind::Open), kInvalidArgumentText};
    }
    filename_ = value;
}

void cFileDialog::Filter(const std::string& value) {
    filter_ = value;
    filterBuffer_ = WideFromUtf8(DialogFilter(value));
    record_.lpstrFilter = filterBuffer_.c_str();
}

void cFileDialog::DefaultExt(const std::string& value) {
    defaultExt_ = value;
    defaultExtBuffer_ = WideFromUtf8(WithTwoNuls(value));
    record_.lpstrDefExt = defaultExtBuffer_.c_str();
}

void cFileDialog::DialogTitle(const std::string& value) {
    title_ = value;
    titleBuffer_ = WideFromUtf8(value);
    record_.lpstrTitle = titleBuffer_.c_str();
}

void cFileDialog::InitDir(const std::string& value) {
    initDir_ = value;
    initDirBuffer_ = WideFromUtf8(WithTwoNuls(value));
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
    // One more than the size, so that a name of the full size still has its terminating NUL.
    std::optional<std::vector<wchar_t>> fileBuffer = DialogBuffer(filename_, size);
    std::optional<std::vector<wchar_t>> titleBuffer = DialogBuffer(fileTitle_, size);
    if (!fileBuffer || !titleBuffer) {
        throw FileDialogError{kInvalidArgumentError, ErrorSource(kind), kInvalidArgumentText};
    }
    std::vector<wchar_t>& file = *fileBuffer;
    std::vector<wchar_t>& title = *titleBuffer;
    record_.lpstrFile = file.data();
    record_.nMaxFile = static_cast<DWORD>(file.size());
    record_.lpstrFileTitle = title.data();
    record_.nMaxFileTitle = static_cast<DWORD>(title.size());

    const BOOL chosen = kind == Kind::Open ? ::GetOpenFileNameW(&record_) : ::GetSaveFileNameW(&record_);
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
        const std::wstring_view whole(file.data(), file.size());
        const auto end = whole.find(std::wstring_view(L"\0\0", 2));
        filename_ = Utf8FromWide(whole.substr(0, end == std::wstring_view::npos ? whole.size() : end + 2));
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
