// frmBrowse: the creator's window. The user types the two labels, picks or drops the drive and
// presses "Create Menu"; the white panel on the left links to the support tools and the about window.
#pragma once

#include "common/AboutWindow.h"
#include "common/BaseWindow.h"
#include "common/LinkLabel.h"
#include "common/UniqueHandle.h"
#include "creator/CreateMenu.h"
#include "creator/ExampleWindow.h"

#include <shellapi.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace corvane::creator {

class frmBrowse : public BaseWindow<frmBrowse>, private CreationFeedback {
  public:
    enum ControlId {
        txtAction = 101,   // the action label for Autorun.inf
        txtMyComp,         // the volume label for Autorun.inf
        BrowseFldr,        // "&Select USB": picks the drive
        txtPath,           // the drive to prepare
        cmdCreate = IDOK,  // "Create Menu" (Enter in a box creates the menu)
        Command1 = 110,    // "&Close": closes the window and ends the program
        Label1,            // "Action Label", caption of txtAction
        Label2,            // "Volume Label", caption of txtMyComp
        Label9,            // the instruction line under the banner
        lblStatus,         // the creation run's status line
        Image1,            // "What's this?" beside txtAction: opens the action label example
        Image2,            // "What's this?" beside txtMyComp: opens the volume label example
        Image7,            // the program's icon at the top right
        Image8,            // the banner with the product name
        Label4,            // link "Autorun Repair"
        Label5,            // link "Format Utility"
        Label6,            // link "USB View"
        Label7,            // link "Help": opens the about window
        Icon4,             // the pictures above the four links
        Icon5,
        Icon6,
        Icon7,
        SeparatorVertical,
        SeparatorHorizontal,
    };

    // `creatorFolder` (without a trailing backslash) supplies the files for the drive and the support
    // tools; `onClosed` runs once the window is gone (the program ends there); `run` does Create Menu.
    frmBrowse(std::string creatorFolder, std::function<void()> onClosed, CreationRunner run = &CreateMenu);

    // Creates and shows the window, centred on the screen. Returns false when it could not be created.
    bool Create(int showCommand);

    // The windows this one opens, for the tests.
    [[nodiscard]] const ExampleWindow& ActionExample() const noexcept { return frmAction_; }
    [[nodiscard]] const ExampleWindow& VolumeExample() const noexcept { return frmMyComp_; }
    [[nodiscard]] const AboutWindow& About() const noexcept { return miniAbout_; }

    static const char* ClassName() { return "CorvaneCreator"; }
    static void ConfigureClass(WNDCLASSEXW& windowClass);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    void CreateLinks();
    // Places every control, the links and pictures and makes their fonts and icons for the window's
    // DPI: after creation and again on each change of DPI.
    void Layout();
    void OnDpiChanged() override { Layout(); }
    void OnCommand(int id, int notification);
    void OnCreateMenu();
    void OnSelectUsb();
    void OnDropFiles(HDROP drop) noexcept;
    void OnClose() noexcept;
    void Paint() noexcept;
    LRESULT OnDrawItem(const DRAWITEMSTRUCT& item) noexcept;
    LRESULT OnColorStatic(HDC dc, HWND control) noexcept;
    void OnWindowDestroyed() noexcept override;
    // Asks the shell to open a file of the creator folder, named from it (Support\Utility.exe).
    void OpenCreatorFile(HWND owner, std::string_view relativePath) const;

    // CreationFeedback
    void SetStatus(const std::string& text) override;
    void LetRepaint() override;
    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& question) override;
    void FocusActionLabel() override;
    CreationInputs CurrentInputs() override;

    std::string creatorFolder_;
    std::function<void()> onClosed_;
    CreationRunner run_;
    ExampleWindow frmAction_;
    ExampleWindow frmMyComp_;
    AboutWindow miniAbout_;
    std::array<LinkLabel, 4> links_;
    UniqueFont font_;
    UniqueIcon programIcon_;
    HWND toolTip_ = nullptr;  // owned by this window: destroyed with it
    bool creating_ = false;   // a creation run is letting messages through
    bool closeRequested_ = false;
};

}  // namespace corvane::creator
