// What the list shows beside each entry's texts: its target's small icon and whether the target is
// missing (drawn grey). Used on the window's thread; the lookups run on a thread of their own
// (TargetLookupThread), so a row is drawn at once with the generic icon and not grey, and gets its
// own look when its result comes. Entries are known by a key (their stored target text): entries
// that share a target share one lookup.
#pragma once

#include "common/UniqueHandle.h"
#include "menu/TargetLookupThread.h"

#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvane::menu {

// The generic icon's place in the image list: rows not yet looked up, and targets without an icon of
// their own (missing, on the network, unreadable).
inline constexpr int kGenericEntryImage = 0;

// The small icon size at `dpi`, in pixels.
int SmallIconSize(int dpi);

// An image list of icons `size` pixels square that holds the generic icon, at kGenericEntryImage.
UniqueImageList CreateImagesWithGenericIcon(int size);

struct EntryDecoration {
    int imageIndex = kGenericEntryImage;
    bool missing = false;
    bool operator==(const EntryDecoration&) const = default;
};

class EntryDecorations {
  public:
    // The full paths an entry with this key is started from, in the order they are tried.
    using CandidatesOf = std::function<std::vector<std::wstring>(const std::wstring& key)>;

    // `resultMessage` is posted to `window` when results are ready; the window then calls OnResults.
    // Icons are made at the small icon size for `dpi`.
    EntryDecorations(HWND window, UINT resultMessage, int dpi, CandidatesOf candidatesOf);

    // The icons, for LVSIL_SMALL. This object owns them: the list view needs LVS_SHAREIMAGELISTS.
    [[nodiscard]] HIMAGELIST ImageList() const noexcept { return images_.get(); }

    // How many targets' looks are kept at most. Scrolling through a list of more distinct targets
    // starts afresh (as Refresh does; the rows on screen are looked up again), so that a list of a
    // million entries, which a crafted stick may hold, cannot grow the icons without end.
    static constexpr std::size_t kMostLooksKept = 4096;

    // The entry's look as far as it is known; the first call for a key asks for it to be looked up.
    EntryDecoration Look(const std::wstring& key);

    // Until released, lookups asked for are only noted: a window holds them while it starts, so that
    // the thread's work (the shell's icon machinery among it) never competes with its first paint.
    void Hold() noexcept { held_ = true; }
    void Release();

    // Folds in the results that have come. True when any entry's look changed (redraw the list).
    bool OnResults();

    // True while an entry Look has been asked about waits for its result.
    [[nodiscard]] bool Waiting() const noexcept { return waiting_ != 0; }

    // Forgets every look and icon and drops lookups under way: later calls of Look ask again.
    void Refresh();

  private:
    struct KnownLook {
        EntryDecoration decoration;
        bool waiting = true;
    };

    UniqueImageList images_;
    CandidatesOf candidatesOf_;
    std::unordered_map<std::wstring, KnownLook> looks_;
    std::size_t waiting_ = 0;
    bool held_ = false;
    std::vector<LookupRequest> heldRequests_;
    TargetLookupThread lookups_;  // last: its thread ends before anything above goes
};

}  // namespace corvane::menu
