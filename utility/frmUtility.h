// frmUtility: the format utility's window. It lists the removable drives (and the drive it runs from)
// with label, file system, size, free space and whether each may be formatted, and formats the chosen
// one through the shell's format dialog, keeping a Corvane menu's files around the format on request.
#pragma once

#include "common/AboutWindow.h"
#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "utility/FormatRun.h"
#include "utility/UtilityResources.h"
#include "utility/core/FormatRules.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane::utility {

class frmUtility : public BaseWindow<frmUtility> {
  public:
    enum ControlId {
        lstDrives = 101,                   // the drives
        lblInstruction,                    // what the window does
        lblState,                          // about the selected drive, or that there is none
        cmdFormat = IDOK,                  // "&Format..." (Enter)
        cmdRefresh = IDC_UTILITY_REFRESH,  // "&Refresh" (F5)
        cmdHelp = IDC_UTILITY_HELP,        // "&Help" (F1)
        cmdAbout = 112,                    // "&About"
        cmdClose = IDCANCEL,               // "&Close" (Escape)
    };

    // `onClosed` runs once the window is gone (the program ends there).
    frmUtility(FormatSetup setup, std::function<void()> onClosed);

    // Creates and shows the window, centred, with the drives listed. False when it could not be created.
    bool Create(int showCommand);

    // Reads the drives again and lists them, keeping the selected drive selected when it is still there.
    void RefreshDrives();

    // The drives as listed, in row order, and the selected one.
    [[nodiscard]] const std::vector<DriveFacts>& ListedRows() const noexcept { return rows_; }
    [[nodiscard]] std::optional<char> SelectedDrive() const;
    // Selects the row of a drive; false when it is not listed.
    bool SelectDrive(char letter);
    // The result of the last Format command.
    [[nodiscard]] const FormatRunResult& LastRun() const noexcept { return lastRun_; }

    static const char* ClassName() { return "CorvaneFormatUtility"; }
    static void ConfigureClass(WNDCLASSEXA& windowClass);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    void AddColumns(HWND list, int dpi);
    void OnCommand(int id);
    void OnFormat();
    void ShowSelectedState();
    void OnWindowDestroyed() noexcept override;

    FormatSetup setup_;
    std::function<void()> onClosed_;
    AboutWindow about_;
    std::vector<DriveFacts> rows_;
    FormatRunResult lastRun_;
    UniqueFont font_;
    bool formatting_ = false;
};

}  // namespace corvane::utility
