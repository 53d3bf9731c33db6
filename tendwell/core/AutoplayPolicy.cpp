#include "tendwell/core/AutoplayPolicy.h"

#include "tendwell/core/TendwellTexts.h"

namespace corvane::tendwell {
namespace {

// Explorer asks the machine's policies first and takes the user's only where the machine has none.
std::optional<std::uint32_t> Effective(const std::optional<std::uint32_t>& machine,
                                       const std::optional<std::uint32_t>& user) {
    return machine.has_value() ? machine : user;
}

std::string PolicySentence(const char* lead, std::uint32_t value) {
    return lead + HexValue(value) + texts::kPolicyValueTail;
}

void DescribeDriveType(const AutoplaySettings& settings, AutoplayReport& report) {
    const auto& machine = settings.machineNoDriveTypeAutoRun;
    const auto& user = settings.userNoDriveTypeAutoRun;
    if (machine.has_value()) {
        const bool off = (*machine & kNoAutoplayForRemovable) != 0;
        report.settings.push_back(
            PolicySentence(off ? texts::kDriveTypeMachineOff : texts::kDriveTypeMachineOn, *machine));
        report.onForRemovable = report.onForRemovable && !off;
        report.machineKeepsOff = report.machineKeepsOff || off;
        if (user.has_value()) {
            report.settings.emplace_back(texts::kUserDriveTypeOverruled);
        }
        return;
    }
    if (!user.has_value()) {
        report.settings.emplace_back(texts::kDriveTypeDefault);
        return;
    }
    const bool off = (*user & kNoAutoplayForRemovable) != 0;
    report.settings.push_back(
        PolicySentence(off ? texts::kDriveTypeUserOff : texts::kDriveTypeUserOn, *user));
    if (off) {
        report.onForRemovable = false;
        // Only the removable-drive bit goes: the user's choices for other kinds of drive stay.
        const std::uint32_t kept = *user & ~kNoAutoplayForRemovable;
        report.turnOn.push_back(
            {UserValue::NoDriveTypeAutoRun, kept, texts::kTurnOnDriveType + HexValue(kept) + ")"});
    }
}

// "E:, F:"
std::string LettersOf(std::uint32_t letters) {
    std::string text;
    for (int letter = 0; letter < 26; ++letter) {
        if ((letters & (1u << letter)) != 0) {
            text += (text.empty() ? "" : ", ") + std::string(1, static_cast<char>('A' + letter)) + ":";
        }
    }
    return text;
}

void DescribeDriveLetters(const AutoplaySettings& settings, std::uint32_t removableLetters,
                          AutoplayReport& report) {
    const bool machine = settings.machineNoDriveAutoRun.has_value();
    const std::uint32_t letters =
        Effective(settings.machineNoDriveAutoRun, settings.userNoDriveAutoRun).value_or(0);
    if (letters == 0) {
        return;
    }
    report.settings.push_back((machine ? texts::kLettersMachineOff : texts::kLettersUserOff) +
                              LettersOf(letters) + " (NoDriveAutoRun = " + HexValue(letters) +
                              texts::kPolicyValueTail);
    const std::uint32_t blocked = letters & removableLetters;
    if (blocked == 0) {
        return;
    }
    report.onForRemovable = false;
    if (machine) {
        report.machineKeepsOff = true;
        return;
    }
    // Only the letters of the USB drives go: the user's choice for the other letters stays.
    const std::uint32_t kept = letters & ~blocked;
    report.turnOn.push_back({UserValue::NoDriveAutoRun, kept,
                             texts::kTurnOnLetters + LettersOf(blocked) +
                                 " (NoDriveAutoRun of your account becomes " + HexValue(kept) + ")"});
}

void DescribeNoAutorun(const AutoplaySettings& settings, AutoplayReport& report) {
    const auto effective = Effective(settings.machineNoAutorun, settings.userNoAutorun);
    if (!effective.has_value() || *effective == 0) {
        return;
    }
    if (settings.machineNoAutorun.has_value()) {
        report.settings.emplace_back(texts::kNoAutorunMachine);
        report.machineKeepsOff = true;
    } else {
        report.settings.emplace_back(texts::kNoAutorunUser);
        report.turnOn.push_back({UserValue::NoAutorun, std::nullopt, texts::kTurnOnNoAutorun});
    }
    report.onForRemovable = false;
}

}  // namespace

std::string HexValue(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (digits.size() == 1) {
        digits.insert(digits.begin(), '0');
    }
    return "0x" + digits;
}

AutoplayReport DescribeAutoplay(const AutoplaySettings& settings, std::uint32_t removableLetters) {
    AutoplayReport report;
    if (settings.userDisableAutoplay.value_or(0) != 0) {
        report.settings.emplace_back(texts::kAutoplayAllOff);
        report.onForRemovable = false;
        report.turnOn.push_back({UserValue::DisableAutoplay, 0u, texts::kTurnOnDisableAutoplay});
    } else {
        report.settings.emplace_back(texts::kAutoplayAllOn);
    }
    DescribeDriveType(settings, report);
    DescribeDriveLetters(settings, removableLetters, report);
    DescribeNoAutorun(settings, report);
    return report;
}

std::string AutoplayReportText(const AutoplayReport& report) {
    std::string text = std::string(texts::kNoStartOnInsertion) + "\r\n\r\n" + texts::kHowToStart +
                       "\r\n\r\n" + texts::kSettingsHeading + "\r\n";
    for (const std::string& sentence : report.settings) {
        text += texts::kBullet + sentence + "\r\n";
    }
    text += "\r\n";
    text += report.onForRemovable ? texts::kSummaryOn : texts::kSummaryOff;
    if (!report.turnOn.empty()) {
        text += std::string(" ") + texts::kUserCanTurnOn;
    }
    if (report.machineKeepsOff) {
        text += std::string(" ") + texts::kMachineNeedsAdministrator;
    }
    return text;
}

std::string TurnOnQuestion(const std::vector<UserValueChange>& changes) {
    std::string question = texts::kTurnOnQuestion;
    for (const UserValueChange& change : changes) {
        question += texts::kBullet + change.description + "\r\n";
    }
    return question;
}

}  // namespace corvane::tendwell
