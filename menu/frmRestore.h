// frmRestore: the window of "Restore Earlier List...". It lists the versions of the list that are
// kept, newest first, with the date each was saved and its number of entries, and hands the one the
// user chooses to the menu. While it is open the menu window is disabled, as under a dialog, so the
// list cannot change beneath the choice.
#pragma once

#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "menu/ListHistory.h"

#include <functional>
#include <vector>

namespace corvane::menu {

class frmRestore : public BaseWindow<frmRestore> {
  public:
    enum ControlId {
        lblHint = 100,  // what a restore does
        lstVersions,    // the versions: "Saved", "Entries"
        cmdRestore,     // "&Restore": the default button
        cmdCancel,      // "&Cancel" (Escape)
    };
    // Called with the chosen version once the window has closed.
    using RestoreChosen = std::function<void(const ListVersion&)>;

    explicit frmRestore(RestoreChosen onChosen) : onChosen_(std::move(onChosen)) {}

    // Shows the versions (newest first), over `owner`, which stays disabled until the window closes.
    // When the window is open already it only comes to the front.
    void Show(HWND owner, std::vector<KeptVersion> versions);
    // Restores the selected version; nothing when none is selected.
    void Restore();
    // Closes the window, choosing nothing.
    void Close() noexcept;

    static const char* ClassName() { return "frmRestore"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    // Places the controls, font and columns at the window's DPI: on creation and on a DPI change.
    void Layout();
    void OnDpiChanged() override { Layout(); }
    void FillList();
    void OnWindowDestroyed() noexcept override;

    RestoreChosen onChosen_;
    std::vector<KeptVersion> versions_;
    HWND owner_ = nullptr;
    HWND list_ = nullptr;
    UniqueFont font_;
};

}  // namespace corvane::menu
