// What a target's path says before anything is asked of the disk: whether it may be touched at all
// (a network path never is: a dead server would stall whoever asks), the drive it is on, and where
// its icon comes from. Paths are UTF-16, as the menu holds them; both separators count, as Windows
// takes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::menu {

enum class TargetPlace : std::uint8_t {
    DriveLetter,  // X:\... (or X:...): the drive's type decides whether it may be touched
    Network,      // \\server\share\..., //server/..., and the \\?\ and \\.\ forms, which reach any device
    Device,    // the last name is a DOS device (CON, NUL, COM1, LPT1.txt, ...): opening it opens the device
    Unrooted,  // relative, or rooted without a drive: it depends on the current folder, so it is never
               // touched
};

enum class IconSource : std::uint8_t {
    ProgramResources,  // .exe: the program's own icon, read from its resources as data
    IconFile,          // .ico: the icon the file holds
    FileType,          // anything else: the icon of its file type, by extension alone
};

struct TargetKind {
    TargetPlace place = TargetPlace::Unrooted;
    wchar_t drive = L'\0';  // the drive letter in upper case for TargetPlace::DriveLetter
    IconSource iconSource = IconSource::FileType;
    // For the icon of its file type (the fallback of the other sources too): the extension in lower
    // case with its dot (".txt"), or empty text when the name has none that can safely be handed to
    // the shell (only letters, digits, '_' and '-', at most 16 of them): an extension like ".{clsid}"
    // names a shell object, not a file type. Empty for a folder's path (a launch never starts a folder).
    std::wstring typeExtension;
};

TargetKind ClassifyTarget(std::wstring_view path);

// "E:\" for 'E'.
std::wstring DriveRoot(wchar_t drive);

}  // namespace corvane::menu
