// Ejecting the menu's drive: which running programs keep it in use, how the menu asks to close
// them and names those that stay, and what it says about Windows' answer to the eject request.
// The Win32 side (menu/DriveProcesses.h, menu/DriveEject.h) gathers the facts and shows these texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

struct RunningProgram {
    std::uint32_t processId = 0;
    std::string imagePath;  // the program's file, as Windows names it
};

// The programs of `running` whose file is on drive `drive` ('A' to 'Z'), but `self`, ordered by
// file name (letter case ignored), then process number.
std::vector<RunningProgram> ProgramsOnDrive(std::span<const RunningProgram> running, char drive,
                                            std::uint32_t self);

// The file names of `programs`, each once, in their order ("notes.exe" for two notes.exe).
std::vector<std::string> ProgramNames(std::span<const RunningProgram> programs);

// The question before closing: names the programs and says that each may still ask to save.
std::string CloseProgramsQuestion(char drive, std::span<const std::string> names);

// Names the programs that stayed open after they were asked to close.
std::string ProgramsStillRunningMessage(char drive, std::span<const std::string> names);

// Windows' reasons for refusing an eject, with the numbers of PNP_VETO_TYPE.
enum class VetoType : int {
    Unknown = 0,
    LegacyDevice = 1,
    PendingClose = 2,
    WindowsApp = 3,
    WindowsService = 4,
    OutstandingOpen = 5,
    Device = 6,
    Driver = 7,
    IllegalDeviceRequest = 8,
    InsufficientPower = 9,
    NonDisableable = 10,
    LegacyDriver = 11,
    InsufficientRights = 12,
    AlreadyRemoved = 13,
};

enum class EjectStatus {
    Ejected,         // Windows let the device go: the stick may be pulled
    DeviceNotFound,  // no device of Windows could be found for the drive
    Vetoed,          // a program, service, driver or device refused (vetoType, vetoName)
    Failed,          // the request itself failed (detail)
};

struct EjectOutcome {
    EjectStatus status = EjectStatus::Failed;
    VetoType vetoType = VetoType::Unknown;
    std::string vetoName;  // what Windows named as refusing (a program, service or device), may be empty
    std::string detail;    // why a lookup or request failed, as the system words it
};

// The message after the request: success, or what refused and what the user can do.
std::string EjectOutcomeMessage(char drive, const EjectOutcome& outcome);

// Whether trying again can help (everything but a done eject or a device already gone).
bool EjectWorthRetrying(const EjectOutcome& outcome);

}  // namespace corvane::menu
