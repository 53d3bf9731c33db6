#include "menu/core/EjectHandOff.h"
#include "menu/core/EjectPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::menu {
namespace {

// Only the exact hand-off argument is a request; anything else that starts with the switch is a
// hand-off that does nothing, and a start without it is an ordinary menu.
TEST(EjectHandOff, ParsesOnlyTheExactArgument) {
    struct Case {
        const char* commandLine;
        bool handOff;
        char drive;  // 0: no request
        std::uint32_t process;
    };
    const Case cases[] = {
        {"\"C:\\Temp\\CorvaneEject-1-2.exe\" /eject-drive E: 1234", true, 'E', 1234},
        {"C:\\Temp\\x.exe /EJECT-DRIVE f: 4294967295", true, 'F', 4294967295u},
        {"x.exe   /eject-drive Z: 7", true, 'Z', 7},
        {"x.exe /eject-drive", true, 0, 0},
        {"x.exe /eject-drive E: 0", true, 0, 0},
        {"x.exe /eject-drive E: 4294967296", true, 0, 0},
        {"x.exe /eject-drive E: -5", true, 0, 0},
        {"x.exe /eject-drive E: +5", true, 0, 0},
        {"x.exe /eject-drive E: 12 34", true, 0, 0},
        {"x.exe /eject-drive E: 12 & del *", true, 0, 0},
        {"x.exe /eject-drive E:  12", true, 0, 0},
        {"x.exe /eject-drive E:\\ 12", true, 0, 0},
        {"x.exe /eject-drive EE: 12", true, 0, 0},
        {"x.exe /eject-drive 1: 12", true, 0, 0},
        {"x.exe /eject-drive \xC3\x84: 12", true, 0, 0},
        {"x.exe /eject-drive\tE: 12", true, 0, 0},
        {"x.exe /eject-drive E: 12\r\n", true, 0, 0},
        {"x.exe /eject-drives E: 12", false, 0, 0},
        {"x.exe", false, 0, 0},
        {"\"E:\\Menu.exe\"", false, 0, 0},
        {"x.exe E: 12", false, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string_view arguments = ArgumentsAfterProgram(c.commandLine);
        EXPECT_EQ(IsEjectHandOff(arguments), c.handOff) << c.commandLine;
        const auto request = ParseEjectHandOff(arguments);
        ASSERT_EQ(request.has_value(), c.drive != 0) << c.commandLine;
        if (request) {
            EXPECT_EQ(request->drive, c.drive) << c.commandLine;
            EXPECT_EQ(request->menuProcessId, c.process) << c.commandLine;
        }
    }
    // What the menu writes is what the copy reads.
    const EjectHandOffRequest written{'R', 99};
    const auto read = ParseEjectHandOff(EjectHandOffArguments(written));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->drive, 'R');
    EXPECT_EQ(read->menuProcessId, 99u);
}

// The copy acts only as a hand-off copy in the temporary folder, and never on its own drive; the
// sweep touches only files named like copies.
TEST(EjectHandOff, OnlyACopyInTheTemporaryFolderMayEjectAnotherDrive) {
    const std::string copy = HandOffCopyName(4321, 1234567890123ULL);
    EXPECT_EQ(copy, "CorvaneEject-4321-1234567890123.exe");
    struct Case {
        std::string image;
        const char* temp;
        char drive;
        bool allowed;
    };
    const Case cases[] = {
        {"C:\\Users\\Al\\AppData\\Local\\Temp\\" + copy, "C:\\Users\\Al\\AppData\\Local\\Temp\\", 'E', true},
        {"c:\\users\\al\\appdata\\local\\temp\\" + copy, "C:\\Users\\Al\\AppData\\Local\\Temp", 'E', true},
        {"C:\\Temp\\" + copy, "C:\\Temp\\", 'C', false},
        {"E:\\" + copy, "E:\\", 'E', false},
        {"E:\\Menu.exe", "C:\\Temp\\", 'E', false},
        {"C:\\Temp\\Menu.exe", "C:\\Temp\\", 'E', false},
        {"C:\\Temp\\Sub\\" + copy, "C:\\Temp\\", 'E', false},
        {"C:\\Temp\\" + copy, "", 'E', false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HandOffAllowed({c.drive, 1}, c.image, c.temp), c.allowed) << c.image << " " << c.drive;
    }
    for (const char* name : {"corvaneeject-1-2.EXE", "CorvaneEject-0-0.exe"}) {
        EXPECT_TRUE(IsHandOffCopyName(name)) << name;
    }
    for (const char* name :
         {"CorvaneEject-1-2.exe.txt", "CorvaneEject-.exe", "CorvaneEject-1.exe", "CorvaneEject-a-2.exe",
          "CorvaneEject-1-2-3.exe", "Menu.exe", "CorvaneEject-1-2.dll"}) {
        EXPECT_FALSE(IsHandOffCopyName(name)) << name;
    }
    const std::pair<const char*, char> letters[] = {
        {"E:\\x", 'E'}, {"e:", 'E'}, {"\\\\?\\f:\\x", 'F'},   {"\\\\server\\share", 0},
        {"Ex\\y", 0},   {"1:\\", 0}, {"\\\\?\\UNC\\s\\x", 0}, {"", 0}};
    for (const auto& [path, letter] : letters) {
        EXPECT_EQ(DriveLetterOf(path), letter) << path;
    }
}

// Programs from the drive, whatever the spelling of their path, but not the menu itself, sorted by
// name; each name once in the question, which names every one.
TEST(EjectPlan, FindsTheProgramsOnTheDriveAndNamesEachOnce) {
    const std::vector<RunningProgram> running = {
        {10, "C:\\Windows\\notepad.exe"},    {11, "E:\\Apps\\Zed.exe"},   {12, "e:\\Menu.exe"},
        {13, "\\\\?\\E:\\Tools\\alpha.exe"}, {14, "F:\\Apps\\Zed.exe"},   {15, ""},
        {16, "E:\\Other\\zed.exe"},          {9, "\\\\server\\E\\x.exe"},
    };
    const auto onDrive = ProgramsOnDrive(running, 'E', 12);
    std::vector<std::uint32_t> ids;
    for (const RunningProgram& program : onDrive) {
        ids.push_back(program.processId);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{13, 11, 16}));
    const auto names = ProgramNames(onDrive);
    EXPECT_EQ(names, (std::vector<std::string>{"alpha.exe", "Zed.exe"}));
    EXPECT_EQ(CloseProgramsQuestion('E', names),
              "These programs run from drive E: and keep it in use:\r\n    alpha.exe\r\n    Zed.exe\r\n\r\n"
              "Close them and eject the drive? Each one is asked to close as if you closed it, so it can ask "
              "you to save your work first.");
    EXPECT_EQ(ProgramsStillRunningMessage('E', std::vector<std::string>{"Zed.exe"}),
              "These programs did not close, so drive E: was not ejected:\r\n    Zed.exe\r\n\r\n"
              "If one asks whether to save your work, answer it, or close it yourself; then choose Retry.");
    EXPECT_TRUE(ProgramsOnDrive(running, 0, 0).empty());
}

// Every outcome says whether the stick may go; a refusal names what refused and what to do.
TEST(EjectPlan, OutcomeMessagesNameWhatRefused) {
    struct Case {
        EjectOutcome outcome;
        const char* starts;    // the message begins so
        const char* contains;  // and holds this
        bool retry;
    };
    const Case cases[] = {
        {{EjectStatus::Ejected, VetoType::Unknown, "", ""}, "Drive E: can now be removed safely.", "", false},
        {{EjectStatus::Vetoed, VetoType::AlreadyRemoved, "", ""},
         "Drive E: has already been removed.",
         "",
         false},
        {{EjectStatus::Vetoed, VetoType::WindowsApp, "\\Device\\HarddiskVolume3\\Apps\\notes.exe", ""},
         "Drive E: was not ejected: the program \"\\Device\\HarddiskVolume3\\Apps\\notes.exe\" is using it.",
         "Close it, then choose Retry.",
         true},
        {{EjectStatus::Vetoed, VetoType::WindowsService, "Backup Agent", ""},
         "Drive E: was not ejected: the service \"Backup Agent\" is using it.",
         "choose Retry",
         true},
        {{EjectStatus::Vetoed, VetoType::OutstandingOpen, "USBSTOR\\DISK&VEN_X\\1", ""},
         "Drive E: was not ejected: a file or folder on it is still open (USBSTOR\\DISK&VEN_X\\1).",
         "Explorer windows",
         true},
        {{EjectStatus::Vetoed, VetoType::OutstandingOpen, "", ""},
         "Drive E: was not ejected: a file or folder on it is still open.",
         "Explorer windows",
         true},
        {{EjectStatus::Vetoed, VetoType::InsufficientRights, "", ""},
         "Drive E: was not ejected: you may not eject this device.",
         "administrator",
         true},
        {{EjectStatus::Vetoed, static_cast<VetoType>(99), "X", ""},
         "Drive E: was not ejected: Windows refused because of \"X\".",
         "choose Retry",
         true},
        {{EjectStatus::DeviceNotFound, VetoType::Unknown, "", "no disk device matches the drive"},
         "Drive E: was not ejected: Windows did not find the device it is on (no disk device matches the "
         "drive).",
         "Safely Remove Hardware",
         true},
        {{EjectStatus::Failed, VetoType::Unknown, "", ""},
         "Drive E: was not ejected: the request to Windows failed.",
         "Retry",
         true},
    };
    for (const Case& c : cases) {
        const std::string message = EjectOutcomeMessage('E', c.outcome);
        EXPECT_EQ(message.rfind(c.starts, 0), 0u) << message;
        EXPECT_NE(message.find(c.contains), std::string::npos) << message;
        EXPECT_EQ(EjectWorthRetrying(c.outcome), c.retry) << message;
        // A failure always says that the stick is as it was.
        EXPECT_EQ(message.find("Nothing on the drive was changed") != std::string::npos, c.retry) << message;
    }
}

}  // namespace
}  // namespace corvane::menu
