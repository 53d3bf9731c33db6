#include "menu/TrayEntryMenu.h"

#include "common/TextEncoding.h"
#include "menu/MenuResources.h"
#include "menu/core/MenuTexts.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace corvane::menu {
namespace {

constexpr int kIconGap = 2;  // pixels on each side of an entry's icon

bool AppendText(HMENU menu, UINT id, std::string_view text, ULONG_PTR image) {
    std::wstring caption = WideFromUtf8(text);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    item.fType = MFT_STRING;
    item.wID = id;
    item.dwTypeData = caption.data();
    if (image != 0) {
        // The icon is drawn by the window when the menu asks (WM_DRAWITEM), from the list's images.
        item.fMask |= MIIM_BITMAP | MIIM_DATA;
        item.hbmpItem = HBMMENU_CALLBACK;
        item.dwItemData = image;
    }
    return ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &item) != FALSE;
}

// Copies every item of `from` (text, id, separators; no submenus) to the end of `to`.
bool AppendItemsOf(HMENU to, HMENU from) {
    const int count = ::GetMenuItemCount(from);
    for (int position = 0; position < count; ++position) {
        wchar_t caption[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
        item.dwTypeData = caption;
        item.cch = 256;
        if (!::GetMenuItemInfoW(from, static_cast<UINT>(position), TRUE, &item)) {
            return false;
        }
        item.dwTypeData = caption;
        if (!::InsertMenuItemW(to, static_cast<UINT>(::GetMenuItemCount(to)), TRUE, &item)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool TrayEntryMenu::Build(const EntryModel& entries, HMENU ownItems, HIMAGELIST images,
                          const ImageOf& imageOf) {
    popup_.reset(::CreatePopupMenu());
    entries_.clear();
    images_ = images;
    if (!popup_) {
        return false;
    }
    const std::size_t shown = std::min(entries.Size(), kMostEntries);
    for (std::size_t index = 0; index < shown; ++index) {
        const Entry& entry = entries[index];
        const int image = images != nullptr && imageOf ? imageOf(entry) : -1;
        // Item data 0 means no icon, so the image index goes in one up.
        const auto data = static_cast<ULONG_PTR>(image >= 0 ? image + 1 : 0);
        if (!AppendText(popup_.get(), static_cast<UINT>(kFirstEntryCommand) + static_cast<UINT>(index),
                        entry.Name(), data)) {
            return false;
        }
        entries_.push_back(entry.Id());
    }
    // Without entries the tray's own items stand alone, as they always did.
    if (shown > 0 && (!AppendText(popup_.get(), mnuOpenMenu, texts::kTrayMore, 0) ||
                      !::AppendMenuW(popup_.get(), MF_SEPARATOR, 0, nullptr))) {
        return false;
    }
    return AppendItemsOf(popup_.get(), ownItems);
}

std::optional<EntryId> TrayEntryMenu::EntryFor(int command) const noexcept {
    if (command < kFirstEntryCommand) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(command - kFirstEntryCommand);
    return index < entries_.size() ? std::optional<EntryId>(entries_[index]) : std::nullopt;
}

bool TrayEntryMenu::OnMeasureItem(MEASUREITEMSTRUCT& item) const noexcept {
    if (item.CtlType != ODT_MENU || images_ == nullptr || item.itemData == 0) {
        return false;
    }
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(images_, &width, &height);
    item.itemWidth = static_cast<UINT>(width + 2 * kIconGap);
    item.itemHeight = static_cast<UINT>(height + 2 * kIconGap);
    return true;
}

bool TrayEntryMenu::OnDrawItem(const DRAWITEMSTRUCT& item) const noexcept {
    if (item.CtlType != ODT_MENU || images_ == nullptr || item.itemData == 0) {
        return false;
    }
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(images_, &width, &height);
    const RECT& box = item.rcItem;
    ::ImageList_Draw(images_, static_cast<int>(item.itemData - 1), item.hDC, box.left + kIconGap,
                     box.top + (box.bottom - box.top - height) / 2, ILD_TRANSPARENT);
    return true;
}

}  // namespace corvane::menu
