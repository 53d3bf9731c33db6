// What every fuzz target shares: splitting an input into texts, realistic menu folders, and the
// property check that stops the run with the input that broke it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken property aborts, so libFuzzer keeps the input as a crash artifact; the message names
// the property and the line.
#define FUZZ_REQUIRE(condition)                                                                   \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace corvane::fuzz {

// The texts of one input, separated by the byte 0x1F (unit separator), which none of the formats
// gives a meaning; the corpus files can then be written by hand. Past the end, texts are empty.
class FuzzFields {
  public:
    FuzzFields(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::string_view Next() {
        const auto end = rest_.find(kSeparator);
        const std::string_view field = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
        return field;
    }

    bool Empty() const { return rest_.empty(); }

  private:
    static constexpr char kSeparator = '\x1f';
    std::string_view rest_;
};

inline bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The folder the menu runs from, as MenuFolder gives it: a drive folder (E:\, E:\Menus\) or a
// share folder (\\server\share\Menus\), always ending in a backslash. `hint` picks the form and
// supplies the names; what the platform could never report (a colon or a doubled backslash inside)
// is left out, so that the rules see the inputs they are written for.
inline std::string MenuFolderFrom(std::string_view hint) {
    std::string names;
    for (const char c : hint.size() > 1 ? hint.substr(1) : std::string_view{}) {
        if (c == ':' || c == '\0' || c == '\r' || c == '\n' || (c == '\\' && names.ends_with('\\'))) {
            continue;
        }
        names += c;
    }
    while (names.starts_with('\\')) {
        names.erase(0, 1);
    }
    if (!names.empty() && !names.ends_with('\\')) {
        names += '\\';
    }
    const unsigned char form = hint.empty() ? 0 : static_cast<unsigned char>(hint.front());
    if (form % 3 == 2) {
        // A share needs a server and a share name before any folder.
        return "\\\\server\\share\\" + names;
    }
    const char drive = static_cast<char>('C' + form % 24);
    return std::string{drive, ':', '\\'} + names;
}

}  // namespace corvane::fuzz
