#include "creator/core/DriveLayout.h"
#include "tendwell/core/AutoplayPolicy.h"
#include "tendwell/core/AutorunInf.h"
#include "tendwell/core/DriveCheck.h"
#include "tendwell/core/DriveChoice.h"
#include "tendwell/core/TendwellTexts.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

namespace corvane::tendwell {
namespace {

using Value = std::optional<std::uint32_t>;

// What the wizard concludes from a PC's settings, and which of the user's values it would change.
TEST(AutoplayPolicy, MachineValuesWinAndOnlyTheUsersOwnAreChanged) {
    struct Case {
        const char* what;
        AutoplaySettings settings;
        bool on;
        bool machineKeepsOff;
        std::vector<std::pair<UserValue, Value>> changes;
        std::uint32_t removableLetters = 0;
    };
    const Value none;
    constexpr std::uint32_t kC = 1u << 2, kE = 1u << 4, kF = 1u << 5;
    const std::vector<Case> cases = {
        {"nothing set: Windows' default", {}, true, false, {}},
        {"switched off in AutoPlay's settings",
         {.userDisableAutoplay = 1u},
         false,
         false,
         {{UserValue::DisableAutoplay, 0u}}},
        {"the user's policy for all drives",
         {.userNoDriveTypeAutoRun = 0xFFu},
         false,
         false,
         {{UserValue::NoDriveTypeAutoRun, 0xFBu}}},
        {"the user's policy for other drives only", {.userNoDriveTypeAutoRun = 0x91u}, true, false, {}},
        {"the machine's value overrules the user's",
         {.machineNoDriveTypeAutoRun = 0x91u, .userNoDriveTypeAutoRun = 0xFFu},
         true,
         false,
         {}},
        {"the machine's policy", {.machineNoDriveTypeAutoRun = 0xFFu}, false, true, {}},
        {"both kinds off",
         {.machineNoDriveTypeAutoRun = 0x95u, .userDisableAutoplay = 1u},
         false,
         true,
         {{UserValue::DisableAutoplay, 0u}}},
        {"the user's NoAutorun", {.userNoAutorun = 1u}, false, false, {{UserValue::NoAutorun, none}}},
        {"a NoAutorun of 0 is no limit",
         {.machineNoAutorun = 0u, .userNoAutorun = 0u, .userDisableAutoplay = 0u},
         true,
         false,
         {}},
        {"the machine's NoAutorun", {.machineNoAutorun = 1u, .userNoAutorun = 1u}, false, true, {}},
        {"the user's letters, a stick's among them",
         {.userNoDriveAutoRun = kC | kE | kF},
         false,
         false,
         {{UserValue::NoDriveAutoRun, kC}},
         kE | kF},
        {"the user's letters, no stick's among them", {.userNoDriveAutoRun = kC}, true, false, {}, kE},
        {"the machine's letters",
         {.machineNoDriveAutoRun = kE, .userNoDriveAutoRun = kE},
         false,
         true,
         {},
         kE},
    };
    for (const Case& c : cases) {
        const AutoplayReport report = DescribeAutoplay(c.settings, c.removableLetters);
        EXPECT_EQ(report.onForRemovable, c.on) << c.what;
        EXPECT_EQ(report.machineKeepsOff, c.machineKeepsOff) << c.what;
        std::vector<std::pair<UserValue, Value>> changes;
        for (const UserValueChange& change : report.turnOn) {
            changes.emplace_back(change.value, change.newValue);
            EXPECT_NE(TurnOnQuestion(report.turnOn).find(change.description), std::string::npos) << c.what;
        }
        EXPECT_EQ(changes, c.changes) << c.what;
    }
}

TEST(AutoplayPolicy, ReportSaysSticksStartNothingAndHowToStartTheMenu) {
    const std::string offForUser = AutoplayReportText(DescribeAutoplay({.userNoDriveTypeAutoRun = 0xFFu}));
    EXPECT_EQ(offForUser.rfind(texts::kNoStartOnInsertion, 0), 0u);
    EXPECT_NE(offForUser.find("Kindel.exe"), std::string::npos);
    EXPECT_NE(offForUser.find(std::string(texts::kDriveTypeUserOff) + "0xFF)."), std::string::npos);
    EXPECT_NE(offForUser.find(texts::kUserCanTurnOn), std::string::npos);
    EXPECT_EQ(offForUser.find(texts::kMachineNeedsAdministrator), std::string::npos);

    const std::string offForMachine =
        AutoplayReportText(DescribeAutoplay({.machineNoDriveTypeAutoRun = 0xFFu}));
    const std::string letters = AutoplayReportText(DescribeAutoplay({.userNoDriveAutoRun = 0x34u}, 0x30u));
    EXPECT_NE(letters.find(std::string(texts::kLettersUserOff) + "C:, E:, F: (NoDriveAutoRun = 0x34)."),
              std::string::npos)
        << letters;
    EXPECT_NE(offForMachine.find(texts::kMachineNeedsAdministrator), std::string::npos);
    EXPECT_EQ(offForMachine.find(texts::kUserCanTurnOn), std::string::npos);
    EXPECT_EQ(HexValue(0x4), "0x04");
    EXPECT_EQ(HexValue(0x91), "0x91");
    EXPECT_EQ(HexValue(0x3FFFFFF), "0x3FFFFFF");
}

std::string Ansi(std::string_view bytes) {
    return "ansi:" + std::string(bytes);
}

TEST(AutorunInf, UnicodeWithByteOrderMarkElseTheAnsiCodePage) {
    // "Lb=" U+00E9, U+1F600 (a surrogate pair), then a lone high surrogate.
    const std::string utf16("\xFF\xFEL\0b\0=\0\xE9\0\x3D\xD8\x00\xDE\x3D\xD8", 16);
    EXPECT_EQ(AutorunTextFromBytes(utf16, Ansi), "Lb=\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD");
    EXPECT_EQ(AutorunTextFromBytes("[autorun]\r\n", Ansi), "ansi:[autorun]\r\n");
    EXPECT_EQ(AutorunTextFromBytes("\xFF", Ansi), "ansi:\xFF");
}

TEST(AutorunInf, TheCreatorsFileIsRecognisedByItsExactText) {
    for (const auto& [action, volume] :
         std::vector<std::pair<std::string, std::string>>{{"Open my menu", "MYSTICK"},
                                                          {"", "ONLY LABEL"},
                                                          {"  spaced  ", ""},
                                                          {"caf\xC3\xA9", "\xE2\x82\xAC"}}) {
        const std::string text = creator::AutorunInfText(action, volume);
        EXPECT_TRUE(IsCreatorsAutorun(text)) << text;
        const AutorunLabels labels = LabelsOf(ParseInf(text));
        EXPECT_EQ(labels.action, action);
        EXPECT_EQ(labels.volume, volume);
    }
    const std::string good = creator::AutorunInfText("Go", "STICK");
    std::string lineFeeds = good;
    for (std::size_t at = lineFeeds.find('\r'); at != std::string::npos; at = lineFeeds.find('\r', at)) {
        lineFeeds.erase(at, 1);
    }
    for (const std::string& other : {lineFeeds, good + "open=x.exe\r\n", good.substr(0, good.size() - 12),
                                     std::string(), std::string("[autorun]\r\nLabel=STICK\r\n")}) {
        EXPECT_FALSE(IsCreatorsAutorun(other)) << other;
    }
}

TEST(AutorunInf, LabelsComeFromTheFirstEntriesAndTheMenuVerbStandsInForAction) {
    const auto labels =
        LabelsOf(ParseInf("[other]\nlabel=NO\n[AutoRun]\nLABEL=FIRST\nlabel=SECOND\n"
                          "shell\\menu=Verb caption\n; action=commented\n"));
    EXPECT_EQ(labels.volume, "FIRST");
    EXPECT_EQ(labels.action, "Verb caption");
    EXPECT_EQ(LabelsOf(ParseInf("[autorun]\rshell\\menu=Verb\raction=Action\r")).action, "Action");
    EXPECT_TRUE(LabelsOf(ParseInf("label=outside any section\n")).Empty());
}

TEST(AutorunInf, AStartOfAnythingButKindelIsForeign) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"[autorun]\nopen=Kindel.exe", false},
        {"[autorun]\nOPEN = kindel.EXE", false},
        {"[autorun]\nShellExecute=\"Kindel.exe\" /quiet", false},
        {"[autorun]\nshell\\menu\\command=Kindel.exe", false},
        {"[autorun]\nshell\\menu=Open me.exe", false},
        {"[autorun]\nicon=evil.exe", false},
        {"[other]\nopen=evil.exe", false},
        {"[autorun]\nopen=RECYCLER\\Kindel.exe", true},
        {"[autorun]\nopen=evil.exe", true},
        {"[autorun]\nshellexecute=cmd /c evil.bat", true},
        {"[autorun]\nshell\\open\\Command=\"My Files\\x.exe\"", true},
        {"[autorun.amd64]\nopen=evil.exe", true},
        {"[autorun]\nopen=", true},
    };
    for (const auto& [text, foreign] : cases) {
        const std::vector<InfEntry> starts = ForeignStarts(ParseInf(text));
        EXPECT_EQ(starts.size(), foreign ? 1u : 0u) << text;
    }
}

// A drive's root as a test describes it.
class DriveBuilder {
  public:
    DriveBuilder& File(std::string name, std::uint32_t attributes = 0) {
        facts_.entries.push_back({std::move(name), attributes});
        return *this;
    }
    DriveBuilder& Folder(std::string name, std::uint32_t attributes = 0) {
        return File(std::move(name), attributes | attributes::kDirectory);
    }
    DriveBuilder& Autorun(AutorunRead read, std::string text = {}) {
        facts_.autorun = read;
        facts_.autorunText = std::move(text);
        return *this;
    }
    // Menu.exe, Kindel.exe, Support and the creator's Autorun.inf.
    DriveBuilder& Prepared() {
        return File("Autorun.inf")
            .File("Menu.exe")
            .File("Kindel.exe")
            .Folder("Support")
            .Autorun(AutorunRead::Read, creator::AutorunInfText("Open my menu", "MYSTICK"));
    }
    [[nodiscard]] DriveFacts Facts() const {
        DriveFacts facts = facts_;
        facts.volumeLabel = "VOLUME";
        return facts;
    }

  private:
    DriveFacts facts_;
};

using StepList = std::vector<std::pair<RepairKind, std::string>>;

StepList Steps(const DriveCheck& check) {
    StepList steps;
    for (const RepairStep& step : check.steps) {
        steps.emplace_back(step.kind, step.name);
    }
    return steps;
}

TEST(DriveCheck, APreparedDriveNeedsNothing) {
    const DriveCheck check =
        CheckDrive(DriveBuilder().Prepared().File("Data.dat").Folder("My Music").Facts());
    EXPECT_TRUE(check.findings.empty());
    EXPECT_TRUE(check.steps.empty());
    EXPECT_FALSE(check.filesMissing);
    EXPECT_EQ(CheckReportText("E:\\", check), texts::kDriveFine);
}

TEST(DriveCheck, AutorunIsRewrittenKeepingTheLabelsItCanRead) {
    constexpr auto kNormal = 0u;
    struct Case {
        const char* what;
        DriveFacts facts;
        bool rewritten;
        AutorunLabels labels;
        std::vector<std::string> removed;
    };
    const auto base = [] { return DriveBuilder().File("Menu.exe").File("Kindel.exe").Folder("Support"); };
    const std::vector<Case> cases = {
        {"missing", base().Facts(), true, {texts::kDefaultAction, "VOLUME"}, {}},
        {"unreadable",
         base().File("Autorun.inf").Autorun(AutorunRead::Unreadable).Facts(),
         true,
         {texts::kDefaultAction, "VOLUME"},
         {}},
        {"too large",
         base().File("AUTORUN.INF").Autorun(AutorunRead::TooLarge).Facts(),
         true,
         {texts::kDefaultAction, "VOLUME"},
         {}},
        {"another program's",
         base()
             .File("Autorun.inf", attributes::kHidden | attributes::kSystem | attributes::kReadOnly)
             .Autorun(AutorunRead::Read,
                      "[AutoRun]\r\nopen=RECYCLER\\x.exe\r\naction=Open folder to view files\r\n"
                      "shell\\open\\command=RECYCLER\\x.exe\r\nshell\\menu\\command=Kindel.exe\r\n")
             .Facts(),
         true,
         {"Open folder to view files", ""},
         {std::string(texts::kStepRemoveEntry) + "open=RECYCLER\\x.exe",
          std::string(texts::kStepRemoveEntry) + "shell\\open\\command=RECYCLER\\x.exe"}},
        {"the creator's with line feeds",
         base()
             .File("Autorun.inf", kNormal)
             .Autorun(AutorunRead::Read, "[autorun]\nLabel=OLD\nopen=Kindel.exe\n")
             .Facts(),
         true,
         {"", "OLD"},
         {}},
        {"a folder", base().Folder("Autorun.inf").Facts(), false, {}, {}},
        {"a link", base().File("Autorun.inf", attributes::kReparsePoint).Facts(), false, {}, {}},
    };
    for (const Case& c : cases) {
        const DriveCheck check = CheckDrive(c.facts);
        EXPECT_FALSE(check.findings.empty()) << c.what;
        EXPECT_FALSE(check.filesMissing) << c.what;
        if (!c.rewritten) {
            EXPECT_TRUE(check.steps.empty()) << c.what;
            EXPECT_NE(CheckReportText("E:\\", check).find(texts::kNothingToRepair), std::string::npos);
            continue;
        }
        ASSERT_EQ(Steps(check), (StepList{{RepairKind::WriteAutorun, "Autorun.inf"}})) << c.what;
        EXPECT_EQ(check.steps[0].labels.action, c.labels.action) << c.what;
        EXPECT_EQ(check.steps[0].labels.volume, c.labels.volume) << c.what;
        EXPECT_EQ(check.steps[0].details, c.removed) << c.what;
        const std::string question = RepairQuestion("E:\\", check.steps);
        for (const std::string& removed : c.removed) {
            EXPECT_NE(question.find(removed), std::string::npos) << c.what;
        }
    }
}

TEST(DriveCheck, MissingProgramsAndSupportAreReportedNotRepaired) {
    const std::vector<std::pair<DriveFacts, std::vector<std::string>>> cases = {
        {DriveBuilder().Prepared().Facts(), {}},
        {DriveBuilder()
             .File("Kindel.exe")
             .Folder("Support")
             .File("Autorun.inf")
             .Autorun(AutorunRead::Read, creator::AutorunInfText("a", "b"))
             .Facts(),
         {std::string("Menu.exe") + texts::kProgramMissing}},
        {DriveBuilder()
             .File("Menu.exe")
             .Folder("Kindel.exe")
             .File("Support")
             .File("Autorun.inf")
             .Autorun(AutorunRead::Read, creator::AutorunInfText("a", "b"))
             .Facts(),
         {std::string("Kindel.exe") + texts::kProgramMissing, texts::kSupportMissing}},
    };
    for (const auto& [facts, missing] : cases) {
        const DriveCheck check = CheckDrive(facts);
        EXPECT_TRUE(check.steps.empty());
        EXPECT_EQ(check.filesMissing, !missing.empty());
        std::vector<std::string> expected = missing;
        if (!missing.empty()) {
            expected.emplace_back(texts::kMissingAdvice);
        }
        EXPECT_EQ(check.findings, expected);
    }
}

TEST(DriveCheck, HiddenSystemEntriesWithAShortcutBesideThemAreShownAndTheShortcutGoes) {
    constexpr std::uint32_t kMarked = attributes::kHidden | attributes::kSystem;
    const DriveFacts facts = DriveBuilder()
                                 .Prepared()
                                 .Folder("Photos", kMarked)
                                 .File("Photos.lnk")
                                 .File("report.doc", kMarked | attributes::kReadOnly)
                                 .File("report.lnk")
                                 .Folder("Music", kMarked)
                                 .File("music.LNK")  // names match whatever their case
                                 .Folder("OnlyHidden", attributes::kHidden)
                                 .File("OnlyHidden.lnk")
                                 .Folder("NoShortcut", kMarked)
                                 .Folder("System Volume Information", kMarked)
                                 .File("System Volume Information.lnk")
                                 .Folder("$Recycle.Bin", kMarked)
                                 .File("$Recycle.Bin.lnk")
                                 .File("Data.dat", kMarked)
                                 .File("Data.dat.lnk")
                                 .Folder("Linked", kMarked | attributes::kReparsePoint)
                                 .File("Linked.lnk")
                                 .Folder("Docs", kMarked)
                                 .Folder("Docs.lnk", attributes::kReparsePoint)
                                 .File("a", kMarked)
                                 .File("a.txt", kMarked)
                                 .File("a.lnk")
                                 .Facts();
    const DriveCheck check = CheckDrive(facts);
    EXPECT_EQ(Steps(check), (StepList{
                                {RepairKind::Unhide, "Photos"},
                                {RepairKind::DeleteShortcut, "Photos.lnk"},
                                {RepairKind::Unhide, "report.doc"},
                                {RepairKind::DeleteShortcut, "report.lnk"},
                                {RepairKind::Unhide, "Music"},
                                {RepairKind::DeleteShortcut, "music.LNK"},
                                {RepairKind::Unhide, "Docs"},
                                {RepairKind::Unhide, "a"},
                                {RepairKind::DeleteShortcut, "a.lnk"},
                                {RepairKind::Unhide, "a.txt"},
                            }));
    const std::string report = CheckReportText("E:\\", check);
    for (const char* leftAlone : {"\"Linked\"", "\"Docs.lnk\""}) {
        EXPECT_NE(report.find(leftAlone + std::string(texts::kLinkLeftAlone)), std::string::npos)
            << leftAlone;
    }
    for (const char* untouched :
         {"Data.dat", "System Volume Information", "$Recycle.Bin", "NoShortcut", "OnlyHidden"}) {
        EXPECT_EQ(report.find(untouched), std::string::npos) << untouched;
    }
    EXPECT_TRUE(IsUntouchable("SETTINGS.INI"));
    EXPECT_TRUE(IsUntouchable("recycler"));
    EXPECT_FALSE(IsUntouchable("Support"));
}

TEST(DriveCheck, TheQuestionListsAScreenfulAndCountsTheRest) {
    std::vector<RepairStep> steps;
    for (int i = 0; i < 30; ++i) {
        steps.push_back({RepairKind::Unhide, "f" + std::to_string(i), {}, "Show f" + std::to_string(i), {}});
    }
    const std::string question = RepairQuestion("E:\\", steps);
    EXPECT_NE(question.find("Show f11\r\n"), std::string::npos);
    EXPECT_EQ(question.find("Show f12"), std::string::npos);
    EXPECT_NE(question.find(texts::kAndMoreLead + std::string("18") + texts::kAndMoreTail),
              std::string::npos);
    steps.resize(kQuestionSteps);
    EXPECT_EQ(RepairQuestion("E:\\", steps).find(texts::kAndMoreLead), std::string::npos);
}

TEST(DriveCheck, ResultsSayWhatWasDoneAndWhatFailedWithWhy) {
    const std::vector<RepairStep> steps = {
        {RepairKind::Unhide, "Photos", {}, "Show Photos", {}},
        {RepairKind::DeleteShortcut, "Photos.lnk", {}, "Delete Photos.lnk", {}}};
    const std::string text = RepairResultsText("E:\\", steps, {{true, {}}, {false, "Access is denied."}});
    EXPECT_NE(text.find(std::string(texts::kStepDone) + "Show Photos\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string(texts::kStepFailed) + "Delete Photos.lnk : Access is denied.\r\n"),
              std::string::npos)
        << text;
}

TEST(DriveChoice, OnlyRemovableDrivesWithoutWindowsAreAllowed) {
    constexpr unsigned kFixed = 3, kRemote = 4, kCdRom = 5, kUnknown = 0;
    const std::vector<std::tuple<unsigned, bool, DriveVerdict>> cases = {
        {kDriveRemovable, false, DriveVerdict::Allowed},     {kDriveRemovable, true, DriveVerdict::System},
        {kFixed, false, DriveVerdict::NotRemovable},         {kFixed, true, DriveVerdict::System},
        {kRemote, false, DriveVerdict::NotRemovable},        {kCdRom, false, DriveVerdict::NotRemovable},
        {kDriveNoRootDir, false, DriveVerdict::Unavailable}, {kUnknown, false, DriveVerdict::Unavailable},
    };
    for (const auto& [type, holdsWindows, verdict] : cases) {
        EXPECT_EQ(JudgeDrive(type, holdsWindows), verdict) << type << holdsWindows;
        EXPECT_EQ(RefusalText("C:\\", verdict).has_value(), verdict != DriveVerdict::Allowed);
    }
    EXPECT_EQ(DriveRootOf("e:\\Support"), "E:\\");
    EXPECT_EQ(DriveRootOf("F:"), "F:\\");
    EXPECT_EQ(DriveRootOf("\\\\server\\share\\Support"), "");
    EXPECT_EQ(DriveRootOf("1:\\"), "");
    EXPECT_EQ(DriveListText("E:\\", "STICK"), "E:\\  (STICK)");
    EXPECT_EQ(HelpPageArgument("E:\\Support\\Corvane.chm", "tendwell.html"),
              "\"E:\\Support\\Corvane.chm::/tendwell.html\"");
}

}  // namespace
}  // namespace corvane::tendwell
