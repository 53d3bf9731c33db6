#include "utility/core/FormatMessages.h"
#include "utility/core/FormatRules.h"
#include "utility/core/KeepPlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace corvane::utility {
namespace {

DriveFacts Drive(char letter, DriveKind kind, bool holdsWindows = false, bool holdsProgram = false) {
    DriveFacts facts;
    facts.letter = letter;
    facts.kind = kind;
    facts.holdsWindows = holdsWindows;
    facts.holdsProgram = holdsProgram;
    return facts;
}

TEST(FormatRules, WhichDrivesMayBeFormatted) {
    struct Case {
        DriveFacts drive;
        FormatRefusal expected;
    };
    const std::vector<Case> cases = {
        {Drive('E', DriveKind::Removable), FormatRefusal::None},
        {Drive('C', DriveKind::Fixed, true), FormatRefusal::SystemDrive},
        // Windows To Go: the running system on a stick is still the system drive.
        {Drive('E', DriveKind::Removable, true), FormatRefusal::SystemDrive},
        {Drive('D', DriveKind::Fixed), FormatRefusal::NotRemovable},
        {Drive('G', DriveKind::Network), FormatRefusal::NotRemovable},
        {Drive('H', DriveKind::Optical), FormatRefusal::NotRemovable},
        {Drive('R', DriveKind::RamDisk), FormatRefusal::NotRemovable},
        {Drive('U', DriveKind::Unknown), FormatRefusal::NotRemovable},
        {Drive('E', DriveKind::Removable, false, true), FormatRefusal::ProgramDrive},
        {Drive('D', DriveKind::Fixed, false, true), FormatRefusal::NotRemovable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WhyNotFormat(c.drive), c.expected) << c.drive.letter;
        EXPECT_EQ(RefusalMessage(c.expected, c.drive.letter).empty(), c.expected == FormatRefusal::None);
    }
    EXPECT_EQ(RefusalMessage(FormatRefusal::ProgramDrive, 'e').substr(0, 3), "E: ");
}

TEST(FormatRules, ListShowsRemovableDrivesAndTheProgramsOwnInLetterOrder) {
    const std::vector<DriveFacts> listed = ListedDrives({
        Drive('F', DriveKind::Removable),
        Drive('C', DriveKind::Fixed, true),
        Drive('Z', DriveKind::Fixed, false, true),
        Drive('D', DriveKind::Optical),
        Drive('E', DriveKind::Removable),
        Drive('G', DriveKind::Network),
    });
    std::string letters;
    for (const DriveFacts& d : listed) {
        letters += d.letter;
    }
    EXPECT_EQ(letters, "EFZ");
}

TEST(FormatRules, DriveLettersAndFormatNumbers) {
    EXPECT_EQ(DriveLetterOf("E:\\Support\\Utility.exe"), 'E');
    EXPECT_EQ(DriveLetterOf("f:/x"), 'F');
    EXPECT_EQ(DriveLetterOf("\\\\?\\G:\\Support\\Utility.exe"), 'G');
    EXPECT_EQ(DriveLetterOf("\\\\server\\share\\Utility.exe"), std::nullopt);
    EXPECT_EQ(DriveLetterOf("E:Utility.exe"), std::nullopt);
    EXPECT_EQ(DriveLetterOf("Utility.exe"), std::nullopt);
    EXPECT_EQ(DriveLetterOf(""), std::nullopt);
    // The shell's dialog takes a number: one off and it would format the drive beside the chosen one.
    EXPECT_EQ(FormatDriveNumber('A'), 0u);
    EXPECT_EQ(FormatDriveNumber('E'), 4u);
    EXPECT_EQ(FormatDriveNumber('e'), 4u);
    EXPECT_EQ(FormatDriveNumber('Z'), 25u);
    EXPECT_EQ(FormatDriveNumber('1'), std::nullopt);
    EXPECT_EQ(FormatDriveNumber('['), std::nullopt);
}

TEST(FormatRules, SizesAsTheListShowsThem) {
    const std::vector<std::pair<std::uint64_t, std::string>> cases = {
        {0, "0 bytes"},
        {1, "1 byte"},
        {1023, "1023 bytes"},
        {1024, "1.0 KB"},
        {1536, "1.5 KB"},
        {1048575, "1023 KB"},
        {1048576, "1.0 MB"},
        // 15.99 GiB stays 15.9: a size never rounds up past what is there.
        {16ull * 1024 * 1024 * 1024 - 1, "15.9 GB"},
        {117ull * 1024 * 1024 * 1024 + 5, "117 GB"},
        {~0ull, "15.9 EB"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(SizeText(bytes), text) << bytes;
    }
}

TEST(FormatRules, RowTextsOfReadableAndUnreadableDrives) {
    DriveFacts stick = Drive('e', DriveKind::Removable);
    stick.readable = true;
    stick.fileSystem = "FAT32";
    stick.totalBytes = 2048;
    stick.freeBytes = 1024;
    const DriveRowTexts row = RowTexts(stick);
    EXPECT_EQ(row.drive, "E:");
    EXPECT_EQ(row.label, "(no label)");
    EXPECT_EQ(row.fileSystem, "FAT32");
    EXPECT_EQ(row.size, "2.0 KB");
    EXPECT_EQ(row.free, "1.0 KB");
    EXPECT_EQ(row.state, "Yes");

    // A stick without a file system (never formatted, or damaged) is exactly what gets formatted.
    DriveFacts raw = Drive('F', DriveKind::Removable);
    raw.label = "stale";
    raw.totalBytes = 99;
    const DriveRowTexts rawRow = RowTexts(raw);
    EXPECT_EQ(rawRow.label, "");
    EXPECT_EQ(rawRow.fileSystem, "(not readable)");
    EXPECT_EQ(rawRow.size, "");
    EXPECT_EQ(rawRow.state, "Yes");
    EXPECT_EQ(RowTexts(Drive('Z', DriveKind::Fixed, false, true)).state, "No: not a removable drive");
}

TEST(KeepPlan, WhatIsKeptOfADrive) {
    struct Case {
        MenuDriveContents contents;
        std::string names;
    };
    const std::vector<Case> cases = {
        {{true, true, true, true}, "Data.dat, Settings.ini and Support\\Backups"},
        {{true, true, false, true}, "Data.dat and Support\\Backups"},
        {{true, true, false, false}, "Data.dat"},
        // Without the program or without the list it is not a menu drive: nothing is offered.
        {{false, true, true, true}, ""},
        {{true, false, true, true}, ""},
    };
    for (const Case& c : cases) {
        const std::vector<KeptItem> items = ItemsToKeep(c.contents);
        EXPECT_EQ(ItemNames(items), c.names);
        EXPECT_EQ(HoldsMenu(c.contents), !items.empty());
        for (const KeptItem& item : items) {
            EXPECT_EQ(item.folder, item.relativePath == "Support\\Backups");
        }
    }
}

TEST(KeepPlan, KeepFolderNeverReusesAnEarlierCopy) {
    std::set<std::string> existing;
    const auto exists = [&](const std::string& path) { return existing.count(path) > 0; };
    const std::string parent = "C:\\Users\\ann\\Corvane kept lists";
    EXPECT_EQ(ChooseKeepFolder(parent, 'E', "MY STICK", exists), parent + "\\Drive E (MY STICK)");
    existing.insert(parent + "\\Drive E (MY STICK)");
    existing.insert(parent + "\\Drive E (MY STICK) (2)");
    EXPECT_EQ(ChooseKeepFolder(parent, 'E', "MY STICK", exists), parent + "\\Drive E (MY STICK) (3)");
    // Characters a name may not hold, and trailing dots and spaces, never reach the file system.
    EXPECT_EQ(ChooseKeepFolder(parent, 'F', "a\\b/c:d*e?\"<>|\t. .", exists),
              parent + "\\Drive F (a_b_c_d_e______)");
    EXPECT_EQ(ChooseKeepFolder(parent, 'F', "", exists), parent + "\\Drive F");
    EXPECT_EQ(ChooseKeepFolder(parent, 'F', " ..", exists), parent + "\\Drive F");
}

TEST(KeepPlan, CopyNeverGoesOntoTheDriveBeingFormatted) {
    EXPECT_TRUE(KeepFolderOnDrive("E:\\Users\\ann\\Corvane kept lists\\Drive E", 'E'));
    EXPECT_TRUE(KeepFolderOnDrive("e:\\kept", 'E'));
    EXPECT_TRUE(KeepFolderOnDrive("\\\\?\\E:\\kept", 'e'));
    EXPECT_FALSE(KeepFolderOnDrive("C:\\Users\\ann\\Corvane kept lists\\Drive E", 'E'));
    EXPECT_FALSE(KeepFolderOnDrive("\\\\server\\profiles\\ann", 'E'));
}

TEST(KeepPlan, KeepAndRestoreSteps) {
    const std::vector<KeptItem> items = ItemsToKeep({true, true, true, true});
    const std::vector<CopyStep> keep = KeepSteps("E:\\", "C:\\kept\\Drive E", items);
    ASSERT_EQ(keep.size(), 3u);
    EXPECT_EQ(keep[0].from, "E:\\Data.dat");
    EXPECT_EQ(keep[0].to, "C:\\kept\\Drive E\\Data.dat");
    EXPECT_EQ(keep[2].from, "E:\\Support\\Backups");
    EXPECT_EQ(keep[2].to, "C:\\kept\\Drive E\\Support\\Backups");
    EXPECT_TRUE(keep[2].folder);

    // After a format everything comes back.
    const auto nothingThere = [](const std::string&) { return false; };
    const std::vector<CopyStep> all = RestoreSteps("E:\\", "C:\\kept\\Drive E", items, nothingThere);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].from, "C:\\kept\\Drive E\\Settings.ini");
    EXPECT_EQ(all[1].to, "E:\\Settings.ini");

    // After a cancelled format the drive's own files stay: only what is missing is put back.
    const auto onlyList = [](const std::string& path) { return path == "E:\\Data.dat"; };
    const std::vector<CopyStep> some = RestoreSteps("E:\\", "C:\\kept\\Drive E", items, onlyList);
    ASSERT_EQ(some.size(), 2u);
    EXPECT_EQ(some[0].to, "E:\\Settings.ini");
    EXPECT_EQ(some[1].to, "E:\\Support\\Backups");
}

TEST(FormatMessages, ShellAnswersAndReports) {
    EXPECT_EQ(FormatOutcomeOf(0xFFFFFFFFu), FormatOutcome::Failed);     // SHFMT_ERROR
    EXPECT_EQ(FormatOutcomeOf(0xFFFFFFFEu), FormatOutcome::Cancelled);  // SHFMT_CANCEL
    EXPECT_EQ(FormatOutcomeOf(0xFFFFFFFDu), FormatOutcome::Failed);     // SHFMT_NOFORMAT
    EXPECT_EQ(FormatOutcomeOf(0x1234u), FormatOutcome::Formatted);      // the new volume's id
    EXPECT_EQ(FormatOutcomeOf(0u), FormatOutcome::Formatted);

    const std::string folder = "C:\\Users\\ann\\Corvane kept lists\\Drive E";
    const RestoreReport nothingKept;
    const RestoreReport allBack{true, true, {}};
    const RestoreReport stuck{true, false, "E:\\Data.dat: Access is denied."};
    EXPECT_EQ(AfterFormatMessage('E', FormatOutcome::Formatted, nothingKept, {}), "E: is formatted.");
    EXPECT_EQ(AfterFormatMessage('E', FormatOutcome::Formatted, allBack, folder),
              "E: is formatted.\r\n\r\nThe menu's list, settings and history are back on the drive.");
    // Cancelled: the files never left, so nothing is said about them.
    EXPECT_EQ(AfterFormatMessage('E', FormatOutcome::Cancelled, allBack, folder), "E: was not formatted.");
    // Whatever could not go back is named, and so is the folder that still holds the copy.
    const std::string failed = AfterFormatMessage('E', FormatOutcome::Failed, stuck, folder);
    EXPECT_EQ(failed.rfind("E: could not be formatted.", 0), 0u);
    EXPECT_NE(failed.find("E:\\Data.dat: Access is denied."), std::string::npos);
    EXPECT_EQ(failed.substr(failed.size() - folder.size()), folder);

    const std::string question = KeepQuestion('E', ItemsToKeep({true, true, true, false}), folder);
    EXPECT_EQ(question.rfind("E: holds a Corvane menu.", 0), 0u);
    EXPECT_NE(question.find("(Data.dat and Settings.ini)"), std::string::npos);
    EXPECT_NE(question.find(folder), std::string::npos);

    EXPECT_TRUE(OffersCreator(FormatOutcome::Formatted, true, true));
    EXPECT_FALSE(OffersCreator(FormatOutcome::Cancelled, true, true));
    EXPECT_FALSE(OffersCreator(FormatOutcome::Failed, true, true));
    EXPECT_FALSE(OffersCreator(FormatOutcome::Formatted, false, true));
    EXPECT_FALSE(OffersCreator(FormatOutcome::Formatted, true, false));
}

}  // namespace
}  // namespace corvane::utility
