#include "menu/core/TargetKind.h"

#include <array>

namespace corvane::menu {
namespace {

constexpr std::size_t kLongestTypeExtension = 16;

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsAsciiDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasDriveLetter(std::wstring_view path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == L':';
}

// The last name of the path (after the last separator, or after "X:").
std::wstring_view LastName(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator != std::wstring_view::npos) {
        return path.substr(separator + 1);
    }
    return HasDriveLetter(path) ? path.substr(2) : path;
}

// Windows turns these names into devices whatever the folder and extension ("E:\Apps\nul.txt"),
// after dropping trailing spaces (the superscript digits count as COM and LPT numbers too).
bool IsDosDeviceName(std::wstring_view name) {
    std::wstring_view base = name.substr(0, name.find_first_of(L".:"));
    while (!base.empty() && base.back() == L' ') {
        base.remove_suffix(1);
    }
    static constexpr std::array<std::wstring_view, 6> kPlain{L"CON", L"PRN",    L"AUX",
                                                             L"NUL", L"CONIN$", L"CONOUT$"};
    for (const std::wstring_view device : kPlain) {
        if (EqualsIgnoringAsciiCase(base, device)) {
            return true;
        }
    }
    if (base.size() != 4 || !(EqualsIgnoringAsciiCase(base.substr(0, 3), L"COM") ||
                              EqualsIgnoringAsciiCase(base.substr(0, 3), L"LPT"))) {
        return false;
    }
    const wchar_t number = base[3];
    return (number >= L'1' && number <= L'9') || number == L'\u00B9' || number == L'\u00B2' ||
           number == L'\u00B3';
}

TargetPlace PlaceOf(std::wstring_view path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return TargetPlace::Network;
    }
    if (IsDosDeviceName(LastName(path))) {
        return TargetPlace::Device;
    }
    return HasDriveLetter(path) ? TargetPlace::DriveLetter : TargetPlace::Unrooted;
}

// The extension of the last name in lower case with its dot, or empty text when there is none or it
// holds anything but letters, digits, '_' and '-'.
std::wstring SafeExtension(std::wstring_view name) {
    const std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos) {
        return {};
    }
    const std::wstring_view extension = name.substr(dot + 1);
    if (extension.empty() || extension.size() > kLongestTypeExtension) {
        return {};
    }
    std::wstring lower = L".";
    for (const wchar_t c : extension) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != L'_' && c != L'-') {
            return {};
        }
        lower += AsciiLower(c);
    }
    return lower;
}

}  // namespace

TargetKind ClassifyTarget(std::wstring_view path) {
    TargetKind kind;
    kind.place = PlaceOf(path);
    if (kind.place == TargetPlace::DriveLetter) {
        kind.drive = AsciiUpper(path[0]);
    }
    kind.typeExtension = SafeExtension(LastName(path));
    if (kind.typeExtension == L".exe") {
        kind.iconSource = IconSource::ProgramResources;
    } else if (kind.typeExtension == L".ico") {
        kind.iconSource = IconSource::IconFile;
    }
    return kind;
}

std::wstring DriveRoot(wchar_t drive) {
    return std::wstring{drive, L':', L'\\'};
}

}  // namespace corvane::menu
