#include "menu/core/DroppedEntry.h"

#include "common/core/AnsiText.h"
#include "menu/core/EntryTarget.h"

namespace corvane::menu {
namespace {

std::string FolderName(std::string_view path) {
    std::string_view trimmed = path;
    if (trimmed.size() > 3 && trimmed.back() == '\\') {
        trimmed.remove_suffix(1);
    }
    std::string name = GetFileName(trimmed);
    return name.empty() ? std::string(path) : name;
}

}  // namespace

ProposedEntry ProposeEntry(const DroppedItem& item) {
    ProposedEntry entry;
    switch (item.kind) {
        case DroppedKind::Folder:
            entry.name = FolderName(item.path);
            entry.path = item.path;
            break;
        case DroppedKind::Shortcut:
            entry.name = NameToStore(ProposedName(item.path), item.path);
            entry.path = item.shortcutTarget;
            entry.switches = LineBreaksToSpaces(item.shortcutArguments);
            break;
        case DroppedKind::File:
            entry.name = NameToStore(ProposedName(item.path), item.path);
            entry.path = item.path;
            break;
    }
    entry.path = LineBreaksToSpaces(entry.path);
    entry.name = LineBreaksToSpaces(entry.name);
    return entry;
}

bool IsShortcutName(std::string_view path) {
    return path.size() >= 4 && ToLowerAscii(path.substr(path.size() - 4)) == ".lnk";
}

}  // namespace corvane::menu
