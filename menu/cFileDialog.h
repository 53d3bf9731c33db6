// cFileDialog: the common Open and Save As dialogs behind a property interface. The caller sets
// properties, calls ShowOpen or ShowSave and reads Filename afterwards. Failures raise a
// FileDialogError carrying a number, a source and a description. Texts are UTF-8; the sizes count
// UTF-16 units, as the dialog's buffers do.
#pragma once

#include "menu/core/FileDialogText.h"

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

namespace corvane::menu {

class cFileDialog {
  public:
    static constexpr std::size_t kFileBufferSize = 1024;
    static constexpr std::size_t kMultiSelectBufferSize = 8192;

    cFileDialog();
    cFileDialog(const cFileDialog&) = delete;
    cFileDialog& operator=(const cFileDialog&) = delete;

    [[nodiscard]] bool CancelError() const { return cancelError_; }
    void CancelError(bool value) { cancelError_ = value; }

    [[nodiscard]] const std::string& Filename() const { return filename_; }
    void Filename(const std::string& value);  // more than 1024 characters: invalid argument

    [[nodiscard]] const std::string& FileTitle() const { return fileTitle_; }
    void FileTitle(const std::string& value) { fileTitle_ = value; }

    [[nodiscard]] const std::string& Filter() const { return filter_; }
    void Filter(const std::string& value);

    [[nodiscard]] DWORD FilterIndex() const { return record_.nFilterIndex; }
    void FilterIndex(DWORD value) { record_.nFilterIndex = value; }

    [[nodiscard]] const std::string& DefaultExt() const { return defaultExt_; }
    void DefaultExt(const std::string& value);

    [[nodiscard]] const std::string& DialogTitle() const { return title_; }
    void DialogTitle(const std::string& value);

    [[nodiscard]] DWORD flags() const { return flags_; }
    void flags(DWORD value) { flags_ = value; }

    [[nodiscard]] HWND hwnd() const { return record_.hwndOwner; }
    void hwnd(HWND value) { record_.hwndOwner = value; }

    [[nodiscard]] const std::string& InitDir() const { return initDir_; }
    void InitDir(const std::string& value);

    void ShowOpen();
    void ShowSave();

    // Splits the Filename of a multi-select ShowOpen into its folder and file names.
    void ParseMultiFileName(std::string& sDir, std::vector<std::string>& sFiles, long& lFileCount) const;

    // The record as the next dialog will get it (size, filter, owner, title, folder).
    [[nodiscard]] const OPENFILENAMEW& Record() const { return record_; }

  private:
    enum class Kind { Open, Save };
    void Show(Kind kind);
    [[nodiscard]] std::string ErrorSource(Kind kind) const;

    OPENFILENAMEW record_{};
    bool cancelError_ = false;
    std::string filename_;
    std::string fileTitle_;
    std::string filter_;
    std::wstring filterBuffer_;
    std::string defaultExt_;
    std::wstring defaultExtBuffer_;
    std::string title_;
    std::wstring titleBuffer_;
    DWORD flags_ = 0;
    std::string initDir_;
    std::wstring initDirBuffer_;
};

}  // namespace corvane::menu
