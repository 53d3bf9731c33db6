// What the entry editor and the delete command need from the window that holds the list.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::menu {

class EntryEditorHost {
  public:
    virtual ~EntryEditorHost() = default;
    [[nodiscard]] virtual HWND ListView() const noexcept = 0;
    // The menu's folder with a trailing backslash; its first three characters are the drive prefix.
    [[nodiscard]] virtual const std::string& Folder() const noexcept = 0;
    // Puts the rows back into the current sort order after a row was added.
    virtual void SortRows() noexcept = 0;
    // Rewrites Data.dat from the rows, reporting a failure itself. Returns whether it was written.
    virtual bool SaveList() = 0;
};

}  // namespace corvane::menu
