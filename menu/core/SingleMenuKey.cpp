#include "menu/core/SingleMenuKey.h"

#include "common/core/CaseFolding.h"

#include <cstdint>

namespace corvane::menu {
namespace {

// 64-bit FNV-1a: stable across builds and bitnesses, so that a 32-bit and a 64-bit menu agree.
std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string HexOf(std::uint64_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex(16, '0');
    for (std::size_t i = hex.size(); i-- > 0; value >>= 4) {
        hex[i] = kDigits[value & 0xF];
    }
    return hex;
}

std::string SessionName(std::string_view prefix, std::string_view folder) {
    return std::string("Local\\") + std::string(prefix) + HexOf(Fnv1a(FolderIdentity(folder)));
}

}  // namespace

std::string FolderIdentity(std::string_view folder) {
    std::string identity;
    identity.reserve(folder.size() + 1);
    for (std::size_t i = 0; i < folder.size(); ++i) {
        const char c = folder[i] == '/' ? '\\' : folder[i];
        // A doubled backslash means one, except at the start (\\server\share, \\?\E:\).
        if (c == '\\' && i > 1 && !identity.empty() && identity.back() == '\\') {
            continue;
        }
        identity += c;
    }
    if (identity.empty() || identity.back() != '\\') {
        identity += '\\';
    }
    std::string folded;
    FoldCaseInto(identity, folded);
    return folded;
}

std::string SingleMenuMutexName(std::string_view folder) {
    return SessionName("Corvane.Menu.", folder);
}

std::string SingleMenuWindowName(std::string_view folder) {
    return SessionName("Corvane.MenuWindow.", folder);
}

}  // namespace corvane::menu
