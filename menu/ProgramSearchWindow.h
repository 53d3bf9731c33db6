// "Find Programs on Drive": searches the menu's drive for programs the list does not hold yet and
// shows them in a checklist with their proposed names and icons; the ticked ones are added as the
// editor's Save adds an entry, with one save for them all. The search runs on its own thread and can
// be cancelled at any time. Modeless and single, like the editor: opening it again brings it forward.
#pragma once

#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "menu/EntryEditorHost.h"
#include "menu/ProgramSearchThread.h"
#include "menu/core/DroppedEntry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane::menu {

class ProgramSearchWindow : public BaseWindow<ProgramSearchWindow> {
  public:
    enum ControlId {
        lblSearch = 100,  // what the search is doing, then what to do
        prgSearch,        // the search's progress
        lblCounts,        // how much of the drive has been searched
        lstPrograms,      // the programs found, each with a tick box
        cmdTickAll,       // "Tick &All": ticks every program, or clears them when all are ticked
        cmdAdd,           // "&Add": adds the ticked programs
        cmdCancel,        // "&Cancel": stops the search and closes, adding nothing
    };

    // `host` gives the menu's folder and the entries already listed; Add hands the ticked programs to
    // `addEntries`, which adds and saves them as any entries added together.
    ProgramSearchWindow(EntryEditorHost& host, std::function<void(std::vector<ProposedEntry>)> addEntries)
        : host_(host), addEntries_(std::move(addEntries)) {}

    // Opens the window and starts the search, or brings an open one forward.
    void Show();

    // The commands of the buttons, also used by tests.
    void TickAll();
    void AddTicked();

    // True once the search has ended (finished or cancelled) and its programs are shown.
    [[nodiscard]] bool SearchEnded() const noexcept { return ended_; }

    static const char* ClassName() { return "ProgramSearchWindow"; }
    static void ConfigureClass(WNDCLASSEXW& windowClass);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    void Layout();
    void OnDpiChanged() override;
    void StartSearch();
    void OnSearchMessage();
    void ShowPrograms(std::vector<FoundProgram> found);
    [[nodiscard]] std::vector<std::size_t> TickedRows() const;
    void UpdateAddButton() const noexcept;
    void OnWindowDestroyed() noexcept override;

    EntryEditorHost& host_;
    std::function<void(std::vector<ProposedEntry>)> addEntries_;
    std::unique_ptr<ListedTargets> listed_;  // read by the search thread while it runs
    std::unique_ptr<ProgramSearchThread> search_;
    std::vector<OfferedProgram> shown_;  // the rows of lstPrograms, in order
    UniqueImageList icons_;
    UniqueFont font_;
    HWND list_ = nullptr;
    bool ended_ = false;
};

}  // namespace corvane::menu
