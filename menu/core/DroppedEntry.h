// What a file or folder dropped onto the menu becomes: the texts of a new entry, proposed as the
// editor proposes them for a file Browse picked. The target is the full path here; it is stored as
// the editor's Save stores it (StoredTarget in EntryTarget.h).
#pragma once

#include <string>
#include <string_view>

namespace corvane::menu {

enum class DroppedKind {
    File,
    Folder,
    Shortcut,  // a shortcut (.lnk) whose target is there: the entry starts that target
};

struct DroppedItem {
    std::string path;  // what was dropped
    DroppedKind kind = DroppedKind::File;
    std::string shortcutTarget;  // for DroppedKind::Shortcut: its target and arguments
    std::string shortcutArguments;
};

struct ProposedEntry {
    std::string name;
    std::string path;  // the full path of the file to start
    std::string switches;
};

// A file: its name without the extension, or with it when nothing is left (.profile); a folder: its
// whole name (a dot in a folder's name is no extension), the path itself for a drive's root; a
// shortcut: the shortcut's name, which the user gave it, with its target and arguments. Line breaks
// (which no Windows name holds, but a crafted shortcut's arguments may) become spaces.
ProposedEntry ProposeEntry(const DroppedItem& item);

// Whether the name ends in ".lnk", in any letter case.
bool IsShortcutName(std::string_view path);

}  // namespace corvane::menu
