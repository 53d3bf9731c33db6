#include "menu/DroppedItems.h"

#include "common/ComApartment.h"
#include "common/ComRef.h"
#include "common/TextEncoding.h"

#include <windows.h>
#include <shlobj.h>

namespace corvane::menu {
namespace {

// The longest path Windows handles; a shortcut's fields fit in it.
constexpr int kLongestPath = 32768;

// A text the shortcut hands back through a buffer, cut at its end.
template <typename Get>
std::optional<std::string> ShortcutText(Get&& get) {
    std::wstring text(kLongestPath, L'\0');
    if (get(text.data(), kLongestPath) != S_OK) {
        return std::nullopt;
    }
    text.resize(text.find(L'\0'));
    return Utf8FromWide(text);
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::optional<ShortcutContents> ReadShortcut(const std::string& path) {
    const ComApartment apartment;
    ComRef<IShellLinkW> link;
    ComRef<IPersistFile> file;
    if (!Obtain(link,
                [](void** out) {
                    return ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                              out);
                }) ||
        !Obtain(file, [&](void** out) { return link.get()->QueryInterface(IID_IPersistFile, out); }) ||
        file.get()->Load(WideFromUtf8(path).c_str(), STGM_READ) != S_OK) {
        return std::nullopt;
    }
    auto target = ShortcutText([&](wchar_t* buffer, int size) {
        return link.get()->GetPath(buffer, size, nullptr, 0);  // never SLGP_RAWPATH: variables expanded
    });
    auto arguments =
        ShortcutText([&](wchar_t* buffer, int size) { return link.get()->GetArguments(buffer, size); });
    if (!target || target->empty()) {
        return std::nullopt;
    }
    return ShortcutContents{std::move(*target), arguments ? std::move(*arguments) : std::string()};
}

DroppedItem DescribeDroppedItem(const std::string& path) {
    DroppedItem item{path, DroppedKind::File, {}, {}};
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        item.kind = DroppedKind::Folder;
    } else if (IsShortcutName(path)) {
        if (auto shortcut = ReadShortcut(path); shortcut && Exists(shortcut->target)) {
            item.kind = DroppedKind::Shortcut;
            item.shortcutTarget = std::move(shortcut->target);
            item.shortcutArguments = std::move(shortcut->arguments);
        }
    }
    return item;
}

}  // namespace corvane::menu
