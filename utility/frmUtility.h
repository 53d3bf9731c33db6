// frmUtility: the format utility's window. It lists the removable drives (and the drive it runs from)
// with label, file system, size, free space and whether each may be formatted, and formats the chosen
// one through the shell's format dialog, keeping a Corvane menu's files around the format on request.
#pragma once

#include "common/UniqueHandle.h"
#include "support/ToolWindow.h"
#include "utility/FormatRun.h"
#include "utility/UtilityResources.h"
#include "utility/core/FormatRules.h"
#include "utility/core/UtilityTexts.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane::utility {

class frmUtility : public support::ToolWindow<frmUtility> {
  public:
    enum ControlId {
        lstDrives = 101,                   // the drives
        lblInstruction,                    // what the window does
        lblState,                          // about the selected drive, or that there is none
        cmdFormat = IDOK,                  // "&Format..." (Enter)
        cmdRefresh = IDC_UTILITY_REFRESH,  // "&Refresh" (F5)
    };  // and the tool window's cmdHelp (F1), cmdAbout and cmdClose (Escape)

    static constexpr support::ToolDescription kTool = {texts::kProgramTitle, texts::kHelpPage, 8700, 4620};

    // `onClosed` runs once the window is gone (the program ends there).
    frmUtility(FormatSetup setup, std::function<void()> onClosed);

    // Reads the drives again and lists them, keeping the selected drive selected when it is still there.
    void RefreshDrives();

    // The drives as listed, in row order, and the selected one.
    [[nodiscard]] const std::vector<DriveFacts>& ListedRows() const noexcept { return rows_; }
    [[nodiscard]] std::optional<char> SelectedDrive() const;
    // Selects the row of a drive; false when it is not listed.
    bool SelectDrive(char letter);
    // The result of the last Format command.
    [[nodiscard]] const FormatRunResult& LastRun() const noexcept { return lastRun_; }

    // A format is running: the window stays open until it is done.
    [[nodiscard]] bool IsBusy() const noexcept { return formatting_; }

    static const char* ClassName() { return "CorvaneFormatUtility"; }

    // The tool window's hooks.
    static std::span<const ControlSpec> Controls();
    void OnCreate();
    void OnCommand(int id);
    void OnNotify(const NMHDR& header);
    void LayoutOwn(int dpi);
    bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    void AddColumns(HWND list);
    void OnFormat();
    void ShowSelectedState();

    FormatSetup setup_;
    std::vector<DriveFacts> rows_;
    FormatRunResult lastRun_;
    bool formatting_ = false;
};

}  // namespace corvane::utility
