// What a prepared drive holds and the Autorun.inf that makes Windows offer the menu on it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvane::creator {

inline constexpr std::string_view kAutorunName = "Autorun.inf";
inline constexpr std::string_view kMenuName = "Menu.exe";
inline constexpr std::string_view kKindelName = "Kindel.exe";

// The files the creator owns on a drive, relative to its root, in the order they are removed and
// copied. Autorun.inf comes first; the two programs follow; then the support files.
inline constexpr std::array<std::string_view, 9> kDriveFiles = {
    kAutorunName,
    kMenuName,
    kKindelName,
    "Support\\Tendwell.exe",
    "Support\\DO NOT DELETE.txt",
    "Support\\Utility.exe",
    "Support\\usbview.exe",
    "Support\\mscomctl.ocx",
    "Support\\Corvane.chm",
};

// The folders of a prepared drive, in the order they are created.
inline constexpr std::array<std::string_view, 6> kDriveFolders = {
    "Support", "My Documents", "My Music", "My Pictures", "My Programs", "My Video",
};

// The files without which a drive would not start its menu.
bool IsProgramFile(std::string_view relativeName);

// The nine lines of Autorun.inf, each ended by CR LF. The labels go in as typed, except that a
// line break becomes a space: it must not start a line of its own.
std::string AutorunInfText(std::string_view actionLabel, std::string_view volumeLabel);

// A target root with exactly the trailing backslash that names are joined to (a folder chosen or
// dropped instead of a drive root comes without one). An empty root stays empty.
std::string TargetRootWithSeparator(std::string_view targetRoot);

// Where an item goes on the drive: the root (given a trailing backslash) followed by its name.
std::string TargetPath(std::string_view targetRoot, std::string_view relativeName);

// Where an item comes from: the name below the creator folder.
std::string SourcePath(std::string_view creatorFolder, std::string_view relativeName);

}  // namespace corvane::creator
