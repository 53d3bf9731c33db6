// The tray icon's popup: the list's first entries with their icons, "More…" for the window, then the
// tray menu's own items (alone when the list is empty). Built afresh at each showing, so it always
// follows the list.
#pragma once

#include "common/UniqueHandle.h"
#include "menu/core/EntryModel.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace corvane::menu {

class TrayEntryMenu {
  public:
    static constexpr std::size_t kMostEntries = 30;
    // Commands of the entries, one after the other; clear of the resource's ids.
    static constexpr int kFirstEntryCommand = 0x6000;

    // The image of an entry in `images`, or -1 for none.
    using ImageOf = std::function<int(const Entry& entry)>;

    // Makes the popup for `entries` in their order, above a copy of `ownItems`' items. False when it
    // could not be made (then there is nothing to show).
    bool Build(const EntryModel& entries, HMENU ownItems, HIMAGELIST images, const ImageOf& imageOf);
    [[nodiscard]] HMENU Handle() const noexcept { return popup_.get(); }

    // The entry a command of the last popup stands for, while it is still in the list.
    [[nodiscard]] std::optional<EntryId> EntryFor(int command) const noexcept;

    // The icons of the entries' items (owner-drawn bitmaps): true when the message was one of them.
    [[nodiscard]] bool OnMeasureItem(MEASUREITEMSTRUCT& item) const noexcept;
    [[nodiscard]] bool OnDrawItem(const DRAWITEMSTRUCT& item) const noexcept;

  private:
    UniqueMenu popup_;
    std::vector<EntryId> entries_;  // by command, from kFirstEntryCommand
    HIMAGELIST images_ = nullptr;
};

}  // namespace corvane::menu
