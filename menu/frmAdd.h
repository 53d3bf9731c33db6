// frmAdd: the entry editor. Adds an entry to the list or replaces the one it was opened on, storing
// a target on the menu's own drive without its drive letter; every save rewrites Data.dat. Modeless
// and single: opening it again while it is open only brings it to the front.
#pragma once

#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "menu/EntryEditorHost.h"
#include "menu/cFileDialog.h"
#include "menu/core/DroppedEntry.h"

#include <memory>
#include <optional>

namespace corvane::menu {

class frmAdd : public BaseWindow<frmAdd> {
  public:
    enum class Mode { Add, Edit };
    enum ControlId {
        Label4 = 100,    // the hint about where files may be
        Label3,          // "File Path", caption of txtPath
        cmdBrowse,       // "....": picks the target file
        txtPath,         // the target
        Label2,          // "Menu Name", caption of txtName
        txtName,         // the display name
        Label1,          // "Command Line Switch: (Optional)", caption of txtCommandLine
        txtCommandLine,  // the command-line switch
        cmdSave,         // "&Save": stores the entry and closes the editor
        cmdCancel,       // "&Cancel": closes the editor, storing nothing
    };

    explicit frmAdd(EntryEditorHost& host) : host_(host) {}

    // Shows the editor in `mode`; in Edit mode it takes the selected entry (if any). When the editor
    // is already open it keeps its mode and entry and only comes to the front. Destroy() closes it.
    void Show(Mode mode);

    [[nodiscard]] Mode CurrentMode() const noexcept { return mode_; }

    // The commands of the buttons, also used by tests.
    void Browse();
    void Save();
    // A file dropped onto the menu or the editor: its path and proposed name go into the fields, as
    // Browse puts them, and a shortcut's arguments into the switch.
    void FillFromDrop(const DroppedItem& item);

    static const char* ClassName() { return "frmAdd"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    // Places the controls and makes their font for the window's DPI: after creation and again on
    // each change of DPI.
    void Layout();
    void OnDpiChanged() override { Layout(); }
    void FillFromSelectedEntry();
    // Puts a chosen file's path and proposed name into the fields and selects the name for typing.
    void ShowProposal(const std::string& path, const std::string& name);
    [[nodiscard]] std::string FieldText(int id) const;
    void OnWindowDestroyed() noexcept override;

    EntryEditorHost& host_;
    Mode mode_ = Mode::Add;
    std::optional<EntryId> editedEntry_;  // the entry Edit replaces, by identity, not by position
    // Shared so that Browse keeps the object alive while its dialog is up, even if the editor is
    // closed (and releases it) meanwhile.
    std::shared_ptr<cFileDialog> fileDialog_;
    UniqueFont font_;
};

// Delete Entry: asks whether to remove the selected entry (No is the default), removes it on Yes
// and rewrites Data.dat either way. Does nothing with an empty list or when no entry is selected.
// The question leaves the editor and the tray menu working: the entry is found again by its identity
// afterwards, and nothing happens when it or the list window went meanwhile.
void DeleteSelectedEntry(EntryEditorHost& host);

}  // namespace corvane::menu
