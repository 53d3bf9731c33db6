// frmTendwell: the repair wizard's window. Two pages: "The PC" says what the AutoPlay settings
// allow and turns AutoPlay back on for the user; "The drive" checks a USB drive and repairs it
// once the user has seen the list of changes and said yes.
#pragma once

#include "common/AboutWindow.h"
#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "tendwell/DriveFacts.h"
#include "tendwell/core/AutoplayPolicy.h"

#include <functional>
#include <optional>
#include <string>

namespace corvane::tendwell {

class frmTendwell : public BaseWindow<frmTendwell> {
  public:
    enum ControlId {
        tabPages = 101,       // the two page tabs
        txtPcReport,          // "The PC": what the settings allow
        cmdTurnOn,            // "The PC": turns AutoPlay back on for the user
        lblDrive,             // "The drive": caption of the drive list
        cboDrive,             // "The drive": the removable drives
        cmdCheck,             // "The drive": checks the chosen drive again (F5)
        txtDriveReport,       // "The drive": what the check found and what Repair would do
        cmdRepair,            // "The drive": asks, then repairs
        cmdCreatorHelp,       // "The drive": the help page on preparing a drive
        cmdHelp,              // this wizard's help page (F1)
        cmdAbout,             // the about window
        cmdClose = IDCANCEL,  // "Close" (Escape too)
        lblHeading = 120,
        lblSubheading,
        Image7,  // the program's icon on the white strip
        SeparatorHorizontal,
    };
    enum Command {
        mnuNextPage = 200,  // Ctrl+Tab
        mnuPreviousPage,    // Ctrl+Shift+Tab
    };
    enum Page { PcPage = 0, DrivePage = 1 };

    // Opens a page of the help file (the wizard's own, or the one on preparing a drive).
    using HelpOpener = std::function<void(HWND owner, const std::string& page)>;

    // `programFolder` (without a trailing backslash) is where the wizard runs from: its drive is the
    // one checked first, and the help file lies beside it. `onClosed` runs once the window is gone;
    // `openHelp` empty: the help file beside the program opens in the system's help viewer.
    frmTendwell(std::string programFolder, std::function<void()> onClosed, HelpOpener openHelp = {});

    // Creates and shows the window, centred on the screen. Returns false when it could not be created.
    bool Create(int showCommand);

    // The keys of the window (Ctrl+Tab, F1, F5) for the message loop.
    [[nodiscard]] HACCEL Accelerators() const noexcept { return accelerators_.get(); }
    [[nodiscard]] Page CurrentPage() const noexcept { return page_; }
    [[nodiscard]] const AboutWindow& About() const noexcept { return about_; }

    static const char* ClassName() { return "CorvaneTendwell"; }
    static void ConfigureClass(WNDCLASSEXW& windowClass);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    struct AcceleratorTraits {
        using Handle = HACCEL;
        static Handle Invalid() noexcept { return nullptr; }
        static void Close(Handle h) noexcept { ::DestroyAcceleratorTable(h); }
    };

    void OnCreate();
    // Places the controls and makes their fonts and the program's picture for the window's DPI: after
    // creation and again on each change of DPI.
    void Layout();
    void OnDpiChanged() override { Layout(); }
    void CreateTabs();
    void OnCommand(int id, int notification);
    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnColorStatic(HDC dc, HWND control) noexcept;
    void Paint() noexcept;
    void OnWindowDestroyed() noexcept override;
    void ShowPage(Page page);

    // The PC page.
    [[nodiscard]] AutoplayReport CurrentAutoplay() const;
    void RefreshPcPage();
    void OnTurnOn();

    // The drive page.
    void FillDriveList();
    [[nodiscard]] std::string SelectedRoot() const;
    void CheckDrive(const std::string& root);
    void OnRepair();
    void SetDriveReport(const std::string& text);

    void OpenHelp(const char* page);
    bool Confirm(const std::string& question);
    void SetText(int id, const std::string& text);

    std::string programFolder_;
    std::function<void()> onClosed_;
    HelpOpener openHelp_;
    AboutWindow about_;
    std::optional<DriveInspection> inspection_;  // the last check, which Repair carries out
    Page page_ = PcPage;
    UniqueFont font_;
    UniqueFont headingFont_;
    UniqueIcon programIcon_;
    UniqueBrush white_;
    UniqueHandle<AcceleratorTraits> accelerators_;
};

}  // namespace corvane::tendwell
