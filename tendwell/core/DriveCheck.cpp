#include "tendwell/core/DriveCheck.h"

#include "common/core/CaseFolding.h"
#include "common/core/DriveFiles.h"
#include "tendwell/core/TendwellTexts.h"

#include <algorithm>
#include <array>

namespace corvane::tendwell {
namespace {

constexpr std::uint32_t kHiddenSystem = attributes::kHidden | attributes::kSystem;
constexpr std::string_view kShortcutExtension = ".lnk";

// The system's folders on a drive (the restore points' store and the recycle bins of each Windows
// version), and the menu's own files.
constexpr std::array<std::string_view, 6> kUntouchable = {
    "System Volume Information", "$RECYCLE.BIN",           "RECYCLER", "RECYCLED",
    drive::kDataFileName,        drive::kSettingsFileName,
};

std::string Folded(std::string_view name) {
    std::string folded;
    FoldCaseInto(name, folded);
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    return Folded(a) == Folded(b);
}

bool Has(const DriveEntry& entry, std::uint32_t bits) {
    return (entry.attributes & bits) == bits;
}

bool IsLink(const DriveEntry& entry) {
    return Has(entry, attributes::kReparsePoint);
}

bool IsFolder(const DriveEntry& entry) {
    return Has(entry, attributes::kDirectory);
}

bool IsPlainFile(const DriveEntry& entry) {
    return !IsFolder(entry) && !IsLink(entry);
}

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

class DriveChecker {
  public:
    explicit DriveChecker(const DriveFacts& facts) : facts_(facts) {}

    DriveCheck Run() {
        CheckAutorun();
        CheckProgramFiles();
        CheckHiddenWithShortcuts();
        return std::move(check_);
    }

  private:
    [[nodiscard]] const DriveEntry* Find(std::string_view name) const {
        const auto found =
            std::find_if(facts_.entries.begin(), facts_.entries.end(),
                         [name](const DriveEntry& entry) { return SameName(entry.name, name); });
        return found == facts_.entries.end() ? nullptr : &*found;
    }

    // Labels kept from the old file where it gives any; otherwise the drive's own name.
    [[nodiscard]] AutorunLabels LabelsToWrite(const AutorunLabels& read) const {
        if (!read.Empty()) {
            return read;
        }
        return {texts::kDefaultAction, facts_.volumeLabel};
    }

    void ProposeAutorun(const AutorunLabels& read, std::vector<std::string> details = {}) {
        const AutorunLabels labels = LabelsToWrite(read);
        check_.steps.push_back({RepairKind::WriteAutorun, std::string(drive::kAutorunName), labels,
                                texts::kStepRewriteAutorun + labels.volume + texts::kStepRewriteAction +
                                    labels.action + texts::kStepRewriteTail,
                                std::move(details)});
    }

    void CheckAutorun() {
        const DriveEntry* entry = Find(drive::kAutorunName);
        if (entry == nullptr) {
            check_.findings.emplace_back(texts::kAutorunMissing);
            ProposeAutorun({});
            return;
        }
        if (IsLink(*entry)) {
            check_.findings.emplace_back(texts::kAutorunLink);
            return;
        }
        if (IsFolder(*entry)) {
            check_.findings.emplace_back(texts::kAutorunFolder);
            return;
        }
        switch (facts_.autorun) {
            case AutorunRead::NotRead:
            case AutorunRead::Unreadable:
                check_.findings.push_back(texts::kAutorunUnreadable + std::string(texts::kErrorSeparator) +
                                          facts_.autorunError);
                ProposeAutorun({});
                return;
            case AutorunRead::TooLarge:
                check_.findings.emplace_back(texts::kAutorunTooLarge);
                ProposeAutorun({});
                return;
            case AutorunRead::Read:
                break;
        }
        if (IsCreatorsAutorun(facts_.autorunText)) {
            return;
        }
        const std::vector<InfEntry> entries = ParseInf(facts_.autorunText);
        const std::vector<InfEntry> foreign = ForeignStarts(entries);
        std::vector<std::string> removed;
        for (const InfEntry& start : foreign) {
            check_.findings.push_back(texts::kAutorunForeignStart + start.line);
            removed.push_back(texts::kStepRemoveEntry + start.line);
        }
        if (foreign.empty()) {
            check_.findings.emplace_back(texts::kAutorunNotCreators);
        } else {
            check_.findings.emplace_back(texts::kForeignProgramNote);
        }
        ProposeAutorun(LabelsOf(entries), std::move(removed));
    }

    void CheckProgramFiles() {
        for (const std::string_view program : {drive::kMenuName, drive::kKindelName}) {
            const DriveEntry* entry = Find(program);
            if (entry == nullptr || !IsPlainFile(*entry)) {
                check_.findings.push_back(std::string(program) + texts::kProgramMissing);
                check_.filesMissing = true;
            }
        }
        const DriveEntry* support = Find(drive::kSupportFolderName);
        if (support == nullptr || !IsFolder(*support)) {
            check_.findings.emplace_back(texts::kSupportMissing);
            check_.filesMissing = true;
        }
        if (check_.filesMissing) {
            check_.findings.emplace_back(texts::kMissingAdvice);
        }
    }

    // The shortcut malware puts beside what it hid: the hidden name with ".lnk", or for a file its
    // name without the extension with ".lnk".
    [[nodiscard]] std::vector<const DriveEntry*> ShortcutsFor(const DriveEntry& hidden) const {
        std::vector<const DriveEntry*> shortcuts;
        std::vector<std::string> names = {hidden.name + std::string(kShortcutExtension)};
        const std::size_t dot = hidden.name.rfind('.');
        if (!IsFolder(hidden) && dot != std::string::npos && dot > 0) {
            names.push_back(hidden.name.substr(0, dot) + std::string(kShortcutExtension));
        }
        for (const std::string& name : names) {
            if (const DriveEntry* shortcut = Find(name); shortcut != nullptr && shortcut != &hidden) {
                shortcuts.push_back(shortcut);
            }
        }
        return shortcuts;
    }

    void CheckHiddenWithShortcuts() {
        std::vector<std::string> deleted;  // folded names of the shortcuts already in the plan
        for (const DriveEntry& entry : facts_.entries) {
            if (!Has(entry, kHiddenSystem) || IsUntouchable(entry.name)) {
                continue;
            }
            const std::vector<const DriveEntry*> shortcuts = ShortcutsFor(entry);
            if (shortcuts.empty()) {
                continue;  // hidden system files of its own are the drive owner's business
            }
            check_.findings.push_back(Quoted(entry.name) + texts::kHiddenWithShortcut);
            if (IsLink(entry)) {
                check_.findings.push_back(Quoted(entry.name) + texts::kLinkLeftAlone);
                continue;
            }
            check_.steps.push_back({RepairKind::Unhide, entry.name, {}, texts::kStepUnhide + entry.name, {}});
            for (const DriveEntry* shortcut : shortcuts) {
                if (!IsPlainFile(*shortcut)) {
                    check_.findings.push_back(Quoted(shortcut->name) + texts::kLinkLeftAlone);
                    continue;
                }
                const std::string folded = Folded(shortcut->name);
                if (std::find(deleted.begin(), deleted.end(), folded) != deleted.end()) {
                    continue;
                }
                deleted.push_back(folded);
                check_.steps.push_back({RepairKind::DeleteShortcut,
                                        shortcut->name,
                                        {},
                                        texts::kStepDeleteShortcut + shortcut->name,
                                        {}});
            }
        }
    }

    const DriveFacts& facts_;
    DriveCheck check_;
};

void AppendStep(const RepairStep& step, std::string& text) {
    text += texts::kBullet + step.description + "\r\n";
    for (const std::string& detail : step.details) {
        text += "    " + detail + "\r\n";
    }
}

}  // namespace

bool IsUntouchable(std::string_view name) {
    return std::any_of(kUntouchable.begin(), kUntouchable.end(),
                       [name](std::string_view untouchable) { return SameName(name, untouchable); });
}

DriveCheck CheckDrive(const DriveFacts& facts) {
    return DriveChecker(facts).Run();
}

std::string CheckReportText(std::string_view root, const DriveCheck& check) {
    if (check.findings.empty() && check.steps.empty()) {
        return texts::kDriveFine;
    }
    std::string text = texts::kFoundHeading + std::string(root) + ":\r\n";
    for (const std::string& finding : check.findings) {
        text += texts::kBullet + finding + "\r\n";
    }
    text += "\r\n";
    if (check.steps.empty()) {
        return text + texts::kNothingToRepair;
    }
    text += std::string(texts::kRepairsHeading) + "\r\n";
    for (const RepairStep& step : check.steps) {
        AppendStep(step, text);
    }
    return text;
}

std::string RepairQuestion(std::string_view root, const std::vector<RepairStep>& steps) {
    std::string text = texts::kRepairQuestion + std::string(root) + "?\r\n\r\n";
    // A message box grows with its text: a stick with hundreds of hidden folders would push the
    // buttons off the screen. The whole list stays in the window's report.
    const std::size_t shown = std::min(steps.size(), kQuestionSteps);
    for (std::size_t i = 0; i < shown; ++i) {
        AppendStep(steps[i], text);
    }
    if (shown < steps.size()) {
        text += texts::kAndMoreLead + std::to_string(steps.size() - shown) + texts::kAndMoreTail;
    }
    return text;
}

std::string RepairResultsText(std::string_view root, const std::vector<RepairStep>& steps,
                              const std::vector<StepOutcome>& outcomes) {
    std::string text = texts::kRepairResultsHeading + std::string(root) + ":\r\n";
    for (std::size_t i = 0; i < steps.size() && i < outcomes.size(); ++i) {
        const StepOutcome& outcome = outcomes[i];
        text += (outcome.done ? texts::kStepDone : texts::kStepFailed) + steps[i].description;
        if (!outcome.done) {
            text += texts::kErrorSeparator + outcome.error;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace corvane::tendwell
