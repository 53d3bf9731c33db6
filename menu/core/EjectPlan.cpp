#include "menu/core/EjectPlan.h"

#include "common/core/CaseFolding.h"
#include "menu/core/EjectHandOff.h"
#include "menu/core/MenuTexts.h"

#include <algorithm>
#include <array>

namespace corvane::menu {
namespace {

constexpr const char* kParagraph = "\r\n\r\n";
constexpr const char* kListIndent = "\r\n    ";

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string Folded(std::string_view text) {
    std::string folded;
    FoldCaseInto(text, folded);
    return folded;
}

std::string DriveName(char drive) {
    return std::string(1, drive) + ':';
}

// "<lead>E:<after>" and the names below it, one to a line.
std::string NamedList(std::string_view lead, char drive, std::string_view after,
                      std::span<const std::string> names) {
    std::string text = std::string(lead) + DriveName(drive) + std::string(after);
    for (const std::string& name : names) {
        text += kListIndent + name;
    }
    return text;
}

// What Windows' reason for a refusal means to the user, and what to do about it. `named` holds the
// reason when Windows named what refused ("%" stands for the name), `unnamed` when it did not.
struct VetoWording {
    VetoType type;
    const char* named;
    const char* unnamed;
    const char* advice;
};

constexpr const char* kCloseThenRetry = "Close it, then choose Retry.";
constexpr const char* kCloseFilesThenRetry =
    "Close the programs and Explorer windows that show files of the drive, then choose Retry.";
constexpr const char* kUseWindowsOwn =
    "Windows will not let this device go while it runs: shut the computer down before you pull it.";

constexpr std::array<VetoWording, 13> kVetoWordings = {{
    {VetoType::WindowsApp, "the program \"%\" is using it", "a program is using it", kCloseThenRetry},
    {VetoType::WindowsService, "the service \"%\" is using it", "a service is using it",
     "Wait until the service is done with the drive (or stop it), then choose Retry."},
    {VetoType::OutstandingOpen, "a file or folder on it is still open (%)",
     "a file or folder on it is still open", kCloseFilesThenRetry},
    {VetoType::PendingClose, "files on it are still being closed (%)", "files on it are still being closed",
     "Wait a moment, then choose Retry."},
    {VetoType::Device, "the device \"%\" refused", "a device refused", kUseWindowsOwn},
    {VetoType::Driver, "the driver \"%\" refused", "a driver refused", kUseWindowsOwn},
    {VetoType::LegacyDevice, "the device \"%\" cannot be ejected", "the device cannot be ejected",
     kUseWindowsOwn},
    {VetoType::LegacyDriver, "the driver \"%\" cannot let it go", "a driver cannot let it go",
     kUseWindowsOwn},
    {VetoType::NonDisableable, "Windows needs the device \"%\"", "Windows needs the device", kUseWindowsOwn},
    {VetoType::IllegalDeviceRequest, "Windows does not eject the device \"%\"",
     "Windows does not eject this device", kUseWindowsOwn},
    {VetoType::InsufficientRights, "you may not eject the device \"%\"", "you may not eject this device",
     "Ask someone with administrator rights on this computer to eject it."},
    {VetoType::InsufficientPower, "the device \"%\" refused (not enough power)",
     "the device refused (not enough power)", kCloseFilesThenRetry},
    {VetoType::Unknown, "Windows refused because of \"%\"", "Windows refused without a reason",
     kCloseFilesThenRetry},
}};

const VetoWording& WordingOf(VetoType type) {
    const auto found = std::find_if(kVetoWordings.begin(), kVetoWordings.end(),
                                    [type](const VetoWording& wording) { return wording.type == type; });
    return found != kVetoWordings.end() ? *found : kVetoWordings.back();  // a reason of a newer Windows
}

std::string VetoText(const EjectOutcome& outcome) {
    const VetoWording& wording = WordingOf(outcome.vetoType);
    if (outcome.vetoName.empty()) {
        return std::string(wording.unnamed) + '.' + kParagraph + wording.advice;
    }
    std::string reason = wording.named;
    reason.replace(reason.find('%'), 1, outcome.vetoName);
    return reason + '.' + kParagraph + wording.advice;
}

std::string DetailText(std::string_view what, std::string_view detail) {
    return std::string(what) + (detail.empty() ? "" : " (" + std::string(detail) + ")") + '.';
}

}  // namespace

std::vector<RunningProgram> ProgramsOnDrive(std::span<const RunningProgram> running, char drive,
                                            std::uint32_t self) {
    std::vector<RunningProgram> onDrive;
    for (const RunningProgram& program : running) {
        if (program.processId != self && drive != 0 && DriveLetterOf(program.imagePath) == drive) {
            onDrive.push_back(program);
        }
    }
    std::stable_sort(onDrive.begin(), onDrive.end(), [](const RunningProgram& a, const RunningProgram& b) {
        const std::string nameA = Folded(FileNameOf(a.imagePath));
        const std::string nameB = Folded(FileNameOf(b.imagePath));
        return nameA != nameB ? nameA < nameB : a.processId < b.processId;
    });
    return onDrive;
}

std::vector<std::string> ProgramNames(std::span<const RunningProgram> programs) {
    std::vector<std::string> names;
    for (const RunningProgram& program : programs) {
        std::string name = FileNameOf(program.imagePath);
        if (std::none_of(names.begin(), names.end(),
                         [&](const std::string& known) { return Folded(known) == Folded(name); })) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::string CloseProgramsQuestion(char drive, std::span<const std::string> names) {
    return NamedList(texts::kProgramsOnDriveLeadIn, drive, texts::kProgramsKeepItInUse, names) + kParagraph +
           texts::kCloseProgramsQuestion;
}

std::string ProgramsStillRunningMessage(char drive, std::span<const std::string> names) {
    return NamedList(texts::kProgramsDidNotClose, drive, texts::kWasNotEjectedColon, names) + kParagraph +
           texts::kAnswerOrCloseThenRetry;
}

std::string EjectOutcomeMessage(char drive, const EjectOutcome& outcome) {
    const std::string lead = texts::kDrive + DriveName(drive);
    if (outcome.status == EjectStatus::Ejected) {
        return lead + texts::kCanBeRemoved;
    }
    if (outcome.status == EjectStatus::Vetoed && outcome.vetoType == VetoType::AlreadyRemoved) {
        return lead + texts::kAlreadyRemoved;
    }
    std::string reason;
    switch (outcome.status) {
        case EjectStatus::DeviceNotFound:
            reason =
                DetailText("Windows did not find the device it is on", outcome.detail) + kParagraph +
                "Eject it with Windows' own \"Safely Remove Hardware\" in the notification area instead.";
            break;
        case EjectStatus::Vetoed:
            reason = VetoText(outcome);
            break;
        default:
            reason = DetailText("the request to Windows failed", outcome.detail) + kParagraph +
                     "Choose Retry, or eject it with Windows' own \"Safely Remove Hardware\".";
            break;
    }
    return lead + texts::kWasNotEjected + reason + kParagraph + texts::kNothingChanged;
}

bool EjectWorthRetrying(const EjectOutcome& outcome) {
    return outcome.status != EjectStatus::Ejected &&
           !(outcome.status == EjectStatus::Vetoed && outcome.vetoType == VetoType::AlreadyRemoved);
}

}  // namespace corvane::menu
