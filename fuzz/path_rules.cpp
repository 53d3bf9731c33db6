// The path rules on any text: roots and parent folders are prefixes of their input, the part below
// a root is a suffix, and root plus the part below it give the path back.
#include "fuzz/FuzzSupport.h"
#include "menu/core/PathRules.h"

using namespace corvane::menu;

namespace {

// A prefix of `path`, or the whole of it with a backslash appended.
bool IsPrefixOrPathWithBackslash(std::string_view result, std::string_view path) {
    return path.starts_with(result) || (result == std::string(path) + '\\');
}

bool HasRootSeparator(std::string_view path) {
    if (IsNetworkPath(path)) {
        const auto first = path.find('\\', 2);
        return first != std::string_view::npos && path.find('\\', first + 1) != std::string_view::npos;
    }
    return path.size() >= 3 && path[2] == '\\';
}

void Roots(std::string_view path) {
    const std::string root = MenuRootOf(path);
    FUZZ_REQUIRE(root.ends_with('\\'));
    FUZZ_REQUIRE(IsPrefixOrPathWithBackslash(root, path));
    FUZZ_REQUIRE(IsNetworkPath(root) == IsNetworkPath(path));

    const std::string below = BelowRoot(path);
    FUZZ_REQUIRE(path.ends_with(below));
    if (!IsNetworkPath(path)) {
        FUZZ_REQUIRE(below.size() == (path.size() > 3 ? path.size() - 3 : 0));
    }
    // E:\Apps\tool.exe is E:\ and Apps\tool.exe; \\server\share\x is \\server\share\ and x.
    if (HasRootSeparator(path)) {
        FUZZ_REQUIRE(root + below == path);
    }
}

void Parents(std::string_view path) {
    std::string current(path);
    // Each step is a prefix that ends just before a backslash, until the rule leaves the path as
    // it is; going up from any path therefore ends, within as many steps as it has characters.
    bool fixedPoint = false;
    for (std::size_t step = 0; step <= path.size() && !fixedPoint; ++step) {
        const std::string parent = ParentFolder(current);
        FUZZ_REQUIRE(current.starts_with(parent));
        fixedPoint = parent == current;
        if (fixedPoint) {
            FUZZ_REQUIRE(current.size() <= 4 || current.find('\\', 2) == std::string::npos);
        } else {
            FUZZ_REQUIRE(parent.size() >= 2 && current[parent.size()] == '\\');
            FUZZ_REQUIRE(current.find('\\', parent.size() + 1) == std::string::npos);
            current = parent;
        }
    }
    FUZZ_REQUIRE(fixedPoint);
}

void Folders(std::string_view path) {
    const std::string folder = FolderOfProgram(path);
    FUZZ_REQUIRE(folder.ends_with('\\'));
    FUZZ_REQUIRE(path.starts_with(std::string_view(folder).substr(0, folder.size() - 1)));
    FUZZ_REQUIRE(WithTrailingBackslash(folder) == folder);
    FUZZ_REQUIRE(MenuRootOf(folder).size() <= folder.size());
}

// Shift-JIS (code page 932): the second byte of a character may be a backslash's byte.
bool ShiftJisLead(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// True when a character starts at byte `at` (or `at` is the end): the text is read from its start.
bool StartsCharacter(std::string_view text, std::size_t at) {
    std::size_t position = 0;
    while (position < at) {
        position += ShiftJisLead(text[position]) && position + 1 < text.size() ? 2 : 1;
    }
    return position == at;
}

// True when the text ends in the first byte of a two-byte character (a text cut short). A backslash
// appended to it would read as that character's second byte, so the platform never hands such paths.
bool EndsInCutCharacter(std::string_view text) {
    std::size_t position = 0;
    bool cut = false;
    while (position < text.size()) {
        cut = ShiftJisLead(text[position]) && position + 1 == text.size();
        position += ShiftJisLead(text[position]) && position + 1 < text.size() ? 2 : 1;
    }
    return cut;
}

// Read by characters, the rules cut only where a backslash character stands: never inside a
// two-byte character, so a root or a folder never ends in half of one.
void DoubleByte(std::string_view path) {
    if (EndsInCutCharacter(path)) {
        return;
    }
    const std::string parent = ParentFolder(path, ShiftJisLead);
    FUZZ_REQUIRE(path.starts_with(parent));
    if (parent.size() < path.size()) {
        FUZZ_REQUIRE(path[parent.size()] == '\\' && StartsCharacter(path, parent.size()));
    }
    const std::string root = MenuRootOf(path, ShiftJisLead);
    FUZZ_REQUIRE(IsPrefixOrPathWithBackslash(root, path));
    FUZZ_REQUIRE(StartsCharacter(root, root.size() - 1));
    const std::string folder = FolderOfProgram(path, ShiftJisLead);
    FUZZ_REQUIRE(StartsCharacter(folder, folder.size() - 1) && folder.back() == '\\');
    FUZZ_REQUIRE(WithTrailingBackslash(folder, ShiftJisLead) == folder);
    const std::string below = BelowRoot(path, ShiftJisLead);
    FUZZ_REQUIRE(path.ends_with(below));
    if (IsNetworkPath(path) && below.size() < path.size()) {
        FUZZ_REQUIRE(StartsCharacter(path, path.size() - below.size()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    Roots(path);
    Parents(path);
    Folders(path);
    DoubleByte(path);
    return 0;
}
