// What a path dropped onto the menu is: a folder, a shortcut whose target is there (read through
// the shell's IShellLinkW), or a file. The texts of its entry follow from that (DroppedEntry.h).
#pragma once

#include "menu/core/DroppedEntry.h"

#include <optional>
#include <string>

namespace corvane::menu {

struct ShortcutContents {
    std::string target;
    std::string arguments;
};

// The target and arguments of a shortcut file, or nothing when it is no shortcut, cannot be read or
// leads to no file system path (a shortcut to Control Panel). Never resolves (searches) a moved target.
std::optional<ShortcutContents> ReadShortcut(const std::string& path);

// A shortcut counts as one only when its target exists; any other shortcut is added as the file it is.
DroppedItem DescribeDroppedItem(const std::string& path);

}  // namespace corvane::menu
