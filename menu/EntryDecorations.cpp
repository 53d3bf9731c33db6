#include "menu/EntryDecorations.h"

#include "common/core/Twips.h"

#include <commctrl.h>

#include <utility>

namespace corvane::menu {
namespace {

constexpr int kSmallIconPixelsAt96Dpi = 16;
constexpr int kImagesToGrowBy = 32;

}  // namespace

int SmallIconSize(int dpi) {
    return ::MulDiv(kSmallIconPixelsAt96Dpi, dpi > 0 ? dpi : kDefaultDpi, kDefaultDpi);
}

UniqueImageList CreateImagesWithGenericIcon(int size) {
    UniqueImageList images(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, kImagesToGrowBy));
    // A system icon is shared: loaded once and never destroyed. The image list keeps a copy.
    const auto generic =
        static_cast<HICON>(::LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED));
    if (images && generic != nullptr) {
        ::ImageList_ReplaceIcon(images.get(), -1, generic);
    }
    return images;
}

EntryDecorations::EntryDecorations(HWND window, UINT resultMessage, int dpi, CandidatesOf candidatesOf)
    : images_(CreateImagesWithGenericIcon(SmallIconSize(dpi))),
      candidatesOf_(std::move(candidatesOf)),
      lookups_(window, resultMessage, SmallIconSize(dpi)) {}

EntryDecoration EntryDecorations::Look(const std::wstring& key) {
    if (const auto known = looks_.find(key); known != looks_.end()) {
        return known->second.decoration;
    }
    if (looks_.size() >= kMostLooksKept) {
        Refresh();
    }
    LookupRequest request{key, candidatesOf_(key)};
    if (held_) {
        heldRequests_.push_back(std::move(request));
    } else {
        std::vector<LookupRequest> requests;
        requests.push_back(std::move(request));
        lookups_.LookUp(std::move(requests));
    }
    looks_.emplace(key, KnownLook{});
    ++waiting_;
    return {};
}

bool EntryDecorations::OnResults() {
    bool changed = false;
    for (const LookupResult& result : lookups_.TakeResults()) {
        const auto entry = looks_.find(result.key);
        if (entry == looks_.end() || !entry->second.waiting) {
            continue;
        }
        EntryDecoration look;
        look.missing = result.presence == TargetPresence::Missing;
        if (result.icon) {
            const int index = ::ImageList_ReplaceIcon(images_.get(), -1, result.icon.get());  // copies it
            look.imageIndex = index >= 0 ? index : kGenericEntryImage;
        }
        changed = changed || look != entry->second.decoration;
        entry->second = {look, false};
        --waiting_;
    }
    return changed;
}

void EntryDecorations::Release() {
    held_ = false;
    if (!heldRequests_.empty()) {
        lookups_.LookUp(std::exchange(heldRequests_, {}));
    }
}

void EntryDecorations::Refresh() {
    heldRequests_.clear();
    lookups_.Cancel();
    looks_.clear();
    waiting_ = 0;
    ::ImageList_SetImageCount(images_.get(), kGenericEntryImage + 1);
}

}  // namespace corvane::menu
