// What the wizard finds wrong on a prepared drive and the repair it proposes: a list of steps, each
// described for the user, that the Win32 side carries out only once the user has seen the list and
// said yes. Only the drive's root is looked at; the system's own folders, the menu's list and
// settings and anything that is a link are never part of a step.
#pragma once

#include "tendwell/core/AutorunInf.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::tendwell {

// File attributes as Windows gives them (FILE_ATTRIBUTE_*).
namespace attributes {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attributes

// An Autorun.inf larger than this is not read: the one the creator writes is a few hundred bytes.
inline constexpr std::uint64_t kMaxAutorunBytes = 64 * 1024;

struct DriveEntry {  // a file or folder of the drive's root, as the directory search gives it
    std::string name;
    std::uint32_t attributes = 0;
};

enum class AutorunRead {
    NotRead,     // no plain file of that name (missing, a folder or a link)
    Read,        // text holds the file as UTF-8
    Unreadable,  // error holds the system's description
    TooLarge,
};

struct DriveFacts {
    std::vector<DriveEntry> entries;  // the root's entries
    AutorunRead autorun = AutorunRead::NotRead;
    std::string autorunText;
    std::string autorunError;
    std::string volumeLabel;  // the file system's label, for an Autorun.inf that gives none
};

enum class RepairKind {
    WriteAutorun,    // write Autorun.inf as the creator does, with `labels`
    Unhide,          // clear the hidden and system attributes of `name`
    DeleteShortcut,  // delete the shortcut file `name`
};

struct RepairStep {
    RepairKind kind;
    std::string name;  // relative to the drive's root
    AutorunLabels labels;
    std::string description;           // one line of the list the user confirms
    std::vector<std::string> details;  // lines under it (the Autorun.inf entries that go)
};

struct DriveCheck {
    std::vector<std::string> findings;  // what is wrong, in plain words
    std::vector<RepairStep> steps;      // what Repair does about it
    bool filesMissing = false;          // Menu.exe, Kindel.exe or Support is missing: only preparing helps
};

// True for the names the wizard never changes, whatever their attributes: the system's own
// folders and the menu's list and settings.
bool IsUntouchable(std::string_view name);

DriveCheck CheckDrive(const DriveFacts& facts);

// The drive page's text after a check of `root` ("E:\").
std::string CheckReportText(std::string_view root, const DriveCheck& check);

// The question before a repair, listing the first kQuestionSteps steps and counting the rest (the
// window's report lists them all).
inline constexpr std::size_t kQuestionSteps = 12;
std::string RepairQuestion(std::string_view root, const std::vector<RepairStep>& steps);

struct StepOutcome {
    bool done = false;
    std::string error;  // the system's description when not done
};

// What the repair did, step by step (`outcomes` in the order of `steps`).
std::string RepairResultsText(std::string_view root, const std::vector<RepairStep>& steps,
                              const std::vector<StepOutcome>& outcomes);

}  // namespace corvane::tendwell
