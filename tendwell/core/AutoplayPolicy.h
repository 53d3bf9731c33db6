// What the AutoPlay and AutoRun settings of a PC allow for removable drives, and which of the user's
// own settings to change so that AutoPlay works for them again. The registry is read and written by
// the Win32 side; the rules live here.
//
// The values (all DWORD):
//   HKLM and HKCU  Software\Microsoft\Windows\CurrentVersion\Policies\Explorer  NoDriveTypeAutoRun
//       bit 0x04 set: no AutoPlay for removable drives. Absent: Windows' default 0x91, which leaves
//       removable drives on. The machine's value, when present, wins over the user's (Explorer asks
//       HKLM first; Group Policy says the same of its two "Turn off AutoPlay" settings).
//   HKLM and HKCU  ...\Policies\Explorer  NoAutorun
//       1: the commands of Autorun.inf are ignored on every drive. The machine's value wins too.
//   HKLM and HKCU  ...\Policies\Explorer  NoDriveAutoRun
//       a bit per drive letter (A: the lowest): no AutoPlay for that letter. The machine's value wins.
//   HKCU  Software\Microsoft\Windows\CurrentVersion\Explorer\AutoplayHandlers  DisableAutoplay
//       1: the user switched AutoPlay off for all media and devices (Control Panel, Settings).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::tendwell {

inline constexpr std::uint32_t kNoAutoplayForRemovable = 0x04;

struct AutoplaySettings {  // nullopt: the value is not there
    std::optional<std::uint32_t> machineNoDriveTypeAutoRun = std::nullopt;
    std::optional<std::uint32_t> userNoDriveTypeAutoRun = std::nullopt;
    std::optional<std::uint32_t> machineNoAutorun = std::nullopt;
    std::optional<std::uint32_t> userNoAutorun = std::nullopt;
    std::optional<std::uint32_t> userDisableAutoplay = std::nullopt;
    std::optional<std::uint32_t> machineNoDriveAutoRun = std::nullopt;
    std::optional<std::uint32_t> userNoDriveAutoRun = std::nullopt;
};

// One of the user's own values the wizard may change.
enum class UserValue { DisableAutoplay, NoDriveTypeAutoRun, NoAutorun, NoDriveAutoRun };

struct UserValueChange {
    UserValue value;
    std::optional<std::uint32_t> newValue = std::nullopt;  // nullopt: delete the value
    std::string description;                               // as the question lists it
};

struct AutoplayReport {
    bool onForRemovable = true;           // AutoPlay offers to open a stick for this user
    bool machineKeepsOff = false;         // a setting of the computer's turns it off: needs an administrator
    std::vector<std::string> settings;    // one plain sentence per setting that counts
    std::vector<UserValueChange> turnOn;  // the user's changes that turn it back on; empty: none due
};

// `removableLetters`: a bit per letter of the removable drives attached (A: the lowest), whose
// letters a per-letter setting may keep AutoPlay from.
AutoplayReport DescribeAutoplay(const AutoplaySettings& settings, std::uint32_t removableLetters = 0);

// The PC page's whole text: what Windows does with sticks, how to start the menu, the settings.
std::string AutoplayReportText(const AutoplayReport& report);

// The question before the user's settings are changed, listing each change.
std::string TurnOnQuestion(const std::vector<UserValueChange>& changes);

// "0x91"
std::string HexValue(std::uint32_t value);

}  // namespace corvane::tendwell
