// One menu per folder. The first Menu.exe over a folder holds a session-wide mutex named for the
// folder (menu/core/SingleMenuKey.h) from before its window exists, and leaves its window's handle
// where a later one finds it; a later Menu.exe over the same folder asks that window to come forward
// and ends, so that two menus never edit one Data.dat. Menus over other folders run side by side.
//
// The folder is identified by what the file system resolves its path to (the volume's own name where
// Windows gives one), not by the letter it was reached through: the same folder through another
// letter (subst, a mapped share, a mount point) is the same Data.dat; two sticks are two volumes even
// when they carry the same serial number, as cloned sticks do.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace corvane::menu {

class SingleMenu {
  public:
    explicit SingleMenu(const std::string& menuFolder);

    // False when another menu over the folder runs in this session, also one that this process may
    // not even open (an elevated one). When the check itself fails the menu runs: better two menus
    // than none.
    [[nodiscard]] bool IsFirst() const noexcept { return first_; }

    // The first menu, once its window exists: leaves the window's handle for later menus and lets
    // their come-forward message through, even when this menu runs elevated.
    void Publish(HWND window) noexcept;

    // A later menu: waits (at most `waitMs`, while the first may still be loading its list) for the
    // first's window and asks it to come forward. False when no such window was found.
    bool BringFirstForward(DWORD waitMs) const noexcept;

  private:
    std::string windowName_;
    UniqueKernelHandle mutex_;
    UniqueKernelHandle published_;  // the mapping that holds the window's handle, while it runs
    bool first_ = true;
};

// The registered message that asks a menu window to show itself. Anyone may send it, so it does
// nothing else: the window is restored (from the tray too) and brought to the front.
UINT ComeForwardMessage() noexcept;

// The folder's identity as the file system resolves it, for menu/core/SingleMenuKey.h.
std::string ResolvedFolder(const std::string& folder);

}  // namespace corvane::menu
