// What the entry editor and the delete command need from the window that holds the entries.
#pragma once

#include "menu/core/EntryModel.h"

#include <windows.h>

#include <optional>
#include <string>

namespace corvane::menu {

class EntryEditorHost {
  public:
    virtual ~EntryEditorHost() = default;
    // The menu's folder with a trailing backslash; its first three characters are the drive prefix.
    [[nodiscard]] virtual const std::string& Folder() const noexcept = 0;
    // The window that questions about the entries belong to (null once it is gone).
    [[nodiscard]] virtual HWND OwnerWindow() const noexcept = 0;
    [[nodiscard]] virtual EntryModel& Entries() noexcept = 0;
    // The entry selected in the list, if there is one.
    [[nodiscard]] virtual std::optional<EntryId> SelectedEntry() const noexcept = 0;
    // After entries were added, changed or removed: puts them into the sort order and shows them.
    virtual void EntriesChanged() noexcept = 0;
    // Rewrites Data.dat from the entries, reporting a failure itself. Returns whether it was written.
    virtual bool SaveList() = 0;
};

}  // namespace corvane::menu
