#include "common/core/DriveFiles.h"
#include "creator/core/CreationPlan.h"
#include "creator/core/CreatorTexts.h"
#include "creator/core/DriveLayout.h"
#include "creator/core/TargetCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace corvane::creator {
namespace {

TEST(AutorunInf, NineLinesWithTheLabelsInPlaceAndKindelAsTheProgram) {
    EXPECT_EQ(AutorunInfText("Open my menu", "MYSTICK"),
              "[autorun]\r\n"
              "open=Kindel.exe\r\n"
              "ShellExecute=Kindel.exe\r\n"
              "Icon=Menu.exe\r\n"
              "Label=MYSTICK\r\n"
              "action=Open my menu\r\n"
              "shell\\menu=Open my menu\r\n"
              "shell\\menu\\command=Kindel.exe\r\n"
              "Shell=Menu\r\n");
}

TEST(AutorunInf, LabelsGoInAsTypedExceptLineBreaks) {
    // Blanks, quotes, semicolons and ANSI letters are kept; an empty label ends its line at "=".
    const std::string text = AutorunInfText("  \"Start\" ; \xE9t\xE9 ", "");
    EXPECT_NE(text.find("\r\nLabel=\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\naction=  \"Start\" ; \xE9t\xE9 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nshell\\menu=  \"Start\" ; \xE9t\xE9 \r\n"), std::string::npos);

    // A pasted line break must not add a line such as "open=" to the file.
    const std::string broken = AutorunInfText("Menu\r\nopen=evil.exe", "A\nB\rC");
    EXPECT_NE(broken.find("\r\naction=Menu  open=evil.exe\r\n"), std::string::npos);
    EXPECT_NE(broken.find("\r\nLabel=A B C\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t at = broken.find("\r\n"); at != std::string::npos; at = broken.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(broken.find('\n'), broken.find("\r\n") + 1);
}

// The file's bytes: plain ASCII labels give the ANSI text unchanged; any other label makes the whole
// file UTF-16 little-endian after the mark FF FE, every character in place, line breaks included.
TEST(AutorunInf, FileIsTheAnsiTextForAsciiLabelsElseUtf16LittleEndian) {
    EXPECT_EQ(AutorunInfFileBytes("Open my menu", "MYSTICK"), AutorunInfText("Open my menu", "MYSTICK"));
    EXPECT_EQ(AutorunInfFileBytes("", ""), AutorunInfText("", ""));

    const auto utf16Le = [](std::u16string_view text) {
        std::string bytes = "\xFF\xFE";
        for (const char16_t unit : text) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        return bytes;
    };
    const auto withLabels = [](std::u16string_view action, std::u16string_view volume) {
        return u"[autorun]\r\nopen=Kindel.exe\r\nShellExecute=Kindel.exe\r\nIcon=Menu.exe\r\nLabel=" +
               std::u16string(volume) + u"\r\naction=" + std::u16string(action) + u"\r\nshell\\menu=" +
               std::u16string(action) + u"\r\nshell\\menu\\command=Kindel.exe\r\nShell=Menu\r\n";
    };
    struct Case {
        const char* action;  // UTF-8
        const char* volume;
        std::u16string_view expectedAction;
        std::u16string_view expectedVolume;
    };
    for (const Case& c : {
             Case{"\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE", "STICK", u"\u0424\u043E\u0442\u043E",
                  u"STICK"},                                                                      // Фото
             Case{"Menu", "M\xC3\xBAsica \xF0\x9F\x8E\xB5", u"Menu", u"M\u00FAsica \U0001F3B5"},  // Música 🎵
             Case{"\xE5\x86\x99\xE7\x9C\x9F\r\nopen=x", "", u"\u5199\u771F  open=x",
                  u""},                                   // 写真, a line break
             Case{"Caf\xE9", "ok", u"Caf\uFFFD", u"ok"},  // a byte that is not UTF-8
         }) {
        EXPECT_EQ(AutorunInfFileBytes(c.action, c.volume),
                  utf16Le(withLabels(c.expectedAction, c.expectedVolume)))
            << c.action << " / " << c.volume;
    }
}

TEST(DriveLayout, PathsJoinNamesToTheRootAndTheCreatorFolder) {
    EXPECT_EQ(TargetPath("E:\\", "Support\\Utility.exe"), "E:\\Support\\Utility.exe");
    EXPECT_EQ(TargetPath("E:\\Stick", "Menu.exe"), "E:\\Stick\\Menu.exe");
    EXPECT_EQ(TargetPath("\\\\server\\share\\", "My Music"), "\\\\server\\share\\My Music");
    EXPECT_EQ(TargetRootWithSeparator("E:"), "E:\\");
    EXPECT_EQ(TargetRootWithSeparator(""), "");
    EXPECT_EQ(SourcePath("C:\\Tools\\Corvane", "Support\\Corvane.chm"),
              "C:\\Tools\\Corvane\\Support\\Corvane.chm");
}

// The menu's Utilities and Kindel open these files from a prepared drive: each must be one the
// creator copies, into the folder it creates first.
TEST(DriveLayout, EveryFileTheProgramsOpenIsOneTheCreatorCopies) {
    EXPECT_EQ(drive::kDriveFolders.front(), drive::kSupportFolderName);
    const std::string supportPrefix = std::string(drive::kSupportFolderName) + "\\";
    for (const std::string_view name : {drive::kRepairWizardFile, drive::kFormatUtilityFile,
                                        drive::kUsbViewFile, drive::kHelpFile, drive::kComponentFile}) {
        EXPECT_NE(std::find(drive::kDriveFiles.begin(), drive::kDriveFiles.end(), name),
                  drive::kDriveFiles.end())
            << name;
        EXPECT_TRUE(name.starts_with(supportPrefix)) << name;
    }
    EXPECT_TRUE(drive::kComponentFile.ends_with(drive::kComponentName));
}

TEST(CreationInputs, NeedADriveAndAtLeastOneLabel) {
    EXPECT_TRUE(InputsComplete({"E:\\", "Menu", "STICK"}));
    EXPECT_TRUE(InputsComplete({"E:\\", "Menu", ""}));
    EXPECT_TRUE(InputsComplete({"E:\\", "", "STICK"}));
    EXPECT_FALSE(InputsComplete({"", "Menu", "STICK"}));
    EXPECT_FALSE(InputsComplete({"E:\\", "", ""}));
    EXPECT_FALSE(InputsComplete({"", "", ""}));
}

std::vector<std::string> NamesOf(const CreationPlan& plan, StepKind kind) {
    std::vector<std::string> names;
    for (const CreationStep& step : plan.steps) {
        if (step.kind == kind) {
            names.push_back(step.text);
        }
    }
    return names;
}

std::size_t IndexOf(const CreationPlan& plan, StepKind kind, const std::string& text = {}) {
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        if (plan.steps[i].kind == kind && (text.empty() || plan.steps[i].text == text)) {
            return i;
        }
    }
    return plan.steps.size();
}

const std::vector<std::string> kAllFiles = {"Autorun.inf",
                                            "Menu.exe",
                                            "Kindel.exe",
                                            "Support\\Tendwell.exe",
                                            "Support\\DO NOT DELETE.txt",
                                            "Support\\Utility.exe",
                                            "Support\\usbview.exe",
                                            "Support\\mscomctl.ocx",
                                            "Support\\Corvane.chm"};

TEST(CreationPlan, CompleteCreatorFolderRemovesStagesCreatesCopiesAndReports) {
    std::vector<std::string> asked;
    const CreationPlan plan = PlanCreation([&asked](std::string_view name) {
        asked.emplace_back(name);
        return true;
    });
    EXPECT_TRUE(plan.missingPrograms.empty());
    EXPECT_TRUE(plan.missingSupportFiles.empty());
    // Autorun.inf is written by the run, never looked for beside the creator.
    EXPECT_EQ(asked, std::vector<std::string>(kAllFiles.begin() + 1, kAllFiles.end()));

    EXPECT_EQ(NamesOf(plan, StepKind::DeleteOldFile), kAllFiles);
    EXPECT_EQ(NamesOf(plan, StepKind::CopyNewFile), kAllFiles);
    EXPECT_EQ(NamesOf(plan, StepKind::CreateFolder),
              (std::vector<std::string>{"Support", "My Documents", "My Music", "My Pictures", "My Programs",
                                        "My Video"}));
    EXPECT_EQ(NamesOf(plan, StepKind::SetStatus),
              (std::vector<std::string>{texts::kCreatingFolders, texts::kCopyingFiles, ""}));
    EXPECT_EQ(NamesOf(plan, StepKind::ShowMessage), std::vector<std::string>{texts::kReady});

    // The order of the phases, with a repaint after each status change and between the phases.
    const std::size_t firstStatus = IndexOf(plan, StepKind::SetStatus);
    const std::size_t firstDelete = IndexOf(plan, StepKind::DeleteOldFile);
    const std::size_t stage = IndexOf(plan, StepKind::StageAutorun);
    const std::size_t firstFolder = IndexOf(plan, StepKind::CreateFolder);
    const std::size_t copyingStatus = IndexOf(plan, StepKind::SetStatus, texts::kCopyingFiles);
    const std::size_t firstCopy = IndexOf(plan, StepKind::CopyNewFile);
    const std::size_t message = IndexOf(plan, StepKind::ShowMessage);
    EXPECT_EQ(firstStatus, 0u);
    EXPECT_LT(stage, firstDelete) << "staged before anything on the drive is removed";
    EXPECT_LT(firstDelete, firstFolder);
    EXPECT_LT(firstFolder, copyingStatus);
    EXPECT_LT(copyingStatus, firstCopy);
    EXPECT_EQ(message, plan.steps.size() - 1);
    EXPECT_EQ(plan.steps[message - 1].kind, StepKind::SetStatus);
    EXPECT_EQ(plan.steps[message - 1].text, "");
    for (const std::size_t before :
         {firstStatus + 1, stage + 1, firstFolder - 1, copyingStatus + 1, message - 2}) {
        EXPECT_EQ(plan.steps[before].kind, StepKind::LetRepaint) << "step " << before;
    }
}

TEST(CreationPlan, MissingProgramRefusesTheWholeRun) {
    const CreationPlan plan = PlanCreation([](std::string_view name) { return name != "Kindel.exe"; });
    EXPECT_EQ(plan.missingPrograms, std::vector<std::string>{"Kindel.exe"});
    EXPECT_TRUE(plan.steps.empty());

    const CreationPlan none = PlanCreation([](std::string_view) { return false; });
    EXPECT_EQ(none.missingPrograms, (std::vector<std::string>{"Menu.exe", "Kindel.exe"}));
    EXPECT_TRUE(none.steps.empty());
    EXPECT_EQ(ProgramsMissingMessage(none.missingPrograms, "C:\\Corvane"),
              "The menu cannot be created: Menu.exe and Kindel.exe were not found beside Stickwright in "
              "C:\\Corvane.\r\n\r\nNothing on the drive was changed.");
    EXPECT_EQ(ProgramsMissingMessage(plan.missingPrograms, "C:\\Corvane"),
              "The menu cannot be created: Kindel.exe was not found beside Stickwright in "
              "C:\\Corvane.\r\n\r\nNothing on the drive was changed.");
}

TEST(CreationPlan, MissingSupportFileIsNeitherRemovedNorCopiedAndNamedLast) {
    const std::set<std::string_view> absent = {"Support\\usbview.exe", "Support\\Corvane.chm"};
    const CreationPlan plan =
        PlanCreation([&absent](std::string_view name) { return !absent.contains(name); });
    EXPECT_TRUE(plan.missingPrograms.empty());
    EXPECT_EQ(plan.missingSupportFiles,
              (std::vector<std::string>{"Support\\usbview.exe", "Support\\Corvane.chm"}));

    std::vector<std::string> supplied;
    for (const std::string& name : kAllFiles) {
        if (!absent.contains(name)) {
            supplied.push_back(name);
        }
    }
    EXPECT_EQ(NamesOf(plan, StepKind::DeleteOldFile), supplied);
    EXPECT_EQ(NamesOf(plan, StepKind::CopyNewFile), supplied);
    EXPECT_EQ(NamesOf(plan, StepKind::ShowMessage),
              (std::vector<std::string>{texts::kReady, std::string(texts::kSupportMissingLead) +
                                                           "Support\\usbview.exe\r\nSupport\\Corvane.chm" +
                                                           texts::kSupportMissingTail}));
}

TEST(CreationTexts, MessagesAreCharacterForCharacter) {
    EXPECT_EQ(std::string(texts::kInputsMissing),
              "Please select your USB drive, Action and Volume Labels     ");
    const std::string ready = texts::kReady;
    const std::size_t gap = ready.find("\r\n\r\n");
    ASSERT_NE(gap, std::string::npos);
    EXPECT_EQ(ready.substr(0, gap),
              "Your Corvane is ready to use.  Please remove and reinsert it to use the Autorun feature.  If "
              "Autorun "
              "is disabled or not working on your PC use the Autorun Repair Wizard to correct the problem.");
    EXPECT_EQ(
        ready.substr(gap + 4),
        "You can use the 'Copy To Folder' entry in your right click context menu to begin copying your "
        "personal and data files to the appropriate folder on your USB drive.  After that you can create "
        "the shortcuts for them in the Menu.");
    EXPECT_EQ(StepFailedMessage(texts::kErrorCopying, "E:\\Menu.exe", "Access denied."),
              "Error copying E:\\Menu.exe : Access denied.");
}

// The decision on the chosen folder: identities, not spellings, decide; refusals win over the
// question; the first link in the order the run touches names is the one reported.
TEST(TargetCheck, RefusesOwnAndSystemFoldersAndLinksAndAsksUnlessARemovableRoot) {
    const FolderIdentity stick{0x45, 1}, creator{0x46, 7}, systemRoot{0x43, 5}, windows{0x43, 9};
    const FolderIdentity folder{0x45, 3};
    const std::string chm = "Support\\Corvane.chm", ocx = "Support\\mscomctl.ocx";
    struct Case {
        const char* what;
        FolderIdentity target;
        bool volumeRoot;
        bool removable;
        std::set<std::string> links;
        TargetVerdict verdict;
        std::string link;
    };
    const std::vector<Case> cases = {
        {"removable root", stick, true, true, {}, TargetVerdict::Prepare, ""},
        {"folder on a removable drive", folder, false, true, {}, TargetVerdict::Ask, ""},
        {"root of a fixed drive or a share", stick, true, false, {}, TargetVerdict::Ask, ""},
        {"creator folder", creator, false, true, {}, TargetVerdict::CreatorFolder, ""},
        {"creator at a removable root", creator, true, true, {"Support"}, TargetVerdict::CreatorFolder, ""},
        {"system root", systemRoot, true, false, {}, TargetVerdict::SystemFolder, ""},
        {"windows folder", windows, false, false, {"Menu.exe"}, TargetVerdict::SystemFolder, ""},
        {"linked Support", stick, true, true, {"Support", "Menu.exe"}, TargetVerdict::Link, "Support"},
        {"linked program", folder, false, true, {"Kindel.exe", chm}, TargetVerdict::Link, "Kindel.exe"},
        {"linked support file", stick, true, true, {ocx}, TargetVerdict::Link, ocx},
        {"linked user folder, never entered", stick, true, true, {"My Music"}, TargetVerdict::Prepare, ""},
    };
    for (const Case& c : cases) {
        TargetFacts facts;
        facts.target = c.target;
        facts.creatorFolder = creator;
        facts.systemRoot = systemRoot;
        facts.windowsFolder = windows;
        facts.targetIsVolumeRoot = c.volumeRoot;
        facts.volumeIsRemovable = c.removable;
        std::vector<std::string> asked;
        const TargetDecision decision = CheckTarget(facts, [&](std::string_view name) {
            asked.emplace_back(name);
            return c.links.count(std::string(name)) > 0;
        });
        EXPECT_EQ(decision.verdict, c.verdict) << c.what;
        EXPECT_EQ(decision.link, c.link) << c.what;
        if (c.verdict == TargetVerdict::Prepare || c.verdict == TargetVerdict::Ask) {
            std::vector<std::string> all{"Support"};
            all.insert(all.end(), kAllFiles.begin(), kAllFiles.end());
            EXPECT_EQ(asked, all) << c.what << ": every name the run touches is looked at";
        }
    }

    // Without the system's identities (they could not be looked at) only the other rules apply.
    TargetFacts unknown;
    unknown.target = systemRoot;
    unknown.creatorFolder = creator;
    EXPECT_EQ(CheckTarget(unknown, [](std::string_view) { return false; }).verdict, TargetVerdict::Ask);
}

TEST(TargetCheck, MessagesNameThePlaceConcerned) {
    EXPECT_EQ(TargetMessage({TargetVerdict::Link, "Support"}, "E:\\"),
              std::string("E:\\Support") + texts::kLinkRefused);
    EXPECT_EQ(TargetMessage({TargetVerdict::Ask, {}}, "C:\\Stick\\"),
              std::string("C:\\Stick\\") + texts::kNotADriveQuestion);
    EXPECT_EQ(TargetMessage({TargetVerdict::CreatorFolder, {}}, "F:\\"),
              std::string("F:\\") + texts::kCreatorFolderRefused);
    EXPECT_EQ(TargetMessage({TargetVerdict::SystemFolder, {}}, "C:\\"),
              std::string("C:\\") + texts::kSystemFolderRefused);
    EXPECT_EQ(TargetMessage({TargetVerdict::Prepare, {}}, "E:\\"), "");
}

}  // namespace
}  // namespace corvane::creator
