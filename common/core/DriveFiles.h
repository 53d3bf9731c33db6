// The files of a prepared drive, by name and place: the creator puts them there, the start program
// and the menu find each other and the support tools through them. Relative names are below the
// drive's root, which is also the folder the menu and the start program run from.
#pragma once

#include <array>
#include <string_view>

namespace corvane::drive {

inline constexpr std::string_view kAutorunName = "Autorun.inf";
inline constexpr std::string_view kMenuName = "Menu.exe";
inline constexpr std::string_view kKindelName = "Kindel.exe";

inline constexpr std::string_view kSupportFolderName = "Support";
inline constexpr std::string_view kRepairWizardFile = "Support\\Tendwell.exe";
inline constexpr std::string_view kDoNotDeleteFile = "Support\\DO NOT DELETE.txt";
inline constexpr std::string_view kFormatUtilityFile = "Support\\Utility.exe";
inline constexpr std::string_view kUsbViewFile = "Support\\usbview.exe";
inline constexpr std::string_view kComponentFile = "Support\\mscomctl.ocx";
inline constexpr std::string_view kHelpFile = "Support\\Corvane.chm";

// The common-controls component by the name the start program installs it under in the system folder.
inline constexpr std::string_view kComponentName = "mscomctl.ocx";

// The menu's own files beside Menu.exe: its entries and its remembered settings.
inline constexpr std::string_view kDataFileName = "Data.dat";
inline constexpr std::string_view kSettingsFileName = "Settings.ini";

// The files the creator owns on a drive, in the order they are removed and copied. Autorun.inf
// comes first; the two programs follow; then the support files.
inline constexpr std::array<std::string_view, 9> kDriveFiles = {
    kAutorunName,       kMenuName,    kKindelName,    kRepairWizardFile, kDoNotDeleteFile,
    kFormatUtilityFile, kUsbViewFile, kComponentFile, kHelpFile,
};

// The folders of a prepared drive, in the order they are created: the support files' folder first.
inline constexpr std::array<std::string_view, 6> kDriveFolders = {
    kSupportFolderName, "My Documents", "My Music", "My Pictures", "My Programs", "My Video",
};

}  // namespace corvane::drive
