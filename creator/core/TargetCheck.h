// Whether the creator may prepare the folder the user chose, decided from facts the Win32 side
// gathers before anything is changed: which folder it is (by identity, never by spelling), what
// kind of place it is, and which of the names the run touches are links.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::creator {

// A folder as the file system knows it: the same folder has the same identity however its path is
// spelled ("E:\", "e:\.", "E:\Stick\..", a folder reached through a link).
struct FolderIdentity {
    std::uint32_t volumeSerial = 0;
    std::uint64_t fileIndex = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

struct TargetFacts {
    FolderIdentity target;
    FolderIdentity creatorFolder;
    std::optional<FolderIdentity> systemRoot;  // the root of the drive that holds Windows
    std::optional<FolderIdentity> windowsFolder;
    bool targetIsVolumeRoot = false;  // the chosen folder is the root of its drive
    bool volumeIsRemovable = false;   // ... and that drive is removable
};

enum class TargetVerdict {
    Prepare,        // the root of a removable drive: prepared without a question
    Ask,            // any other folder: prepared only when the user says yes
    CreatorFolder,  // refused: the run would delete the creator's own files
    SystemFolder,   // refused: the root of the system drive or the Windows folder
    Link,           // refused: a name the run touches is a junction or symbolic link
};

struct TargetDecision {
    TargetVerdict verdict = TargetVerdict::Prepare;
    std::string link;  // for Link: the relative name that is one
};

// Decides what happens to the target. `isLink` is asked, relative to the target root, about the
// names the run strips, deletes, replaces or writes into: the Support folder first (so that it is
// named rather than its files), then the drive files in their order, until one is a reparse point.
// It is not asked when the folder is refused anyway.
TargetDecision CheckTarget(const TargetFacts& facts,
                           const std::function<bool(std::string_view relativeName)>& isLink);

// The message that reports a refusal, or the question for Ask, naming the place concerned.
// `targetRoot` is the chosen folder as it will be prepared (with its trailing backslash).
std::string TargetMessage(const TargetDecision& decision, std::string_view targetRoot);

}  // namespace corvane::creator
