#include "tendwell/core/AutorunInf.h"

#include "common/core/AnsiText.h"
#include "common/core/DriveFiles.h"
#include "common/core/Utf8Units.h"
#include "creator/core/DriveLayout.h"

namespace corvane::tendwell {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::string Utf8FromUtf16Le(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() / 2);
    const auto unitAt = [&bytes](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const char32_t unit = unitAt(at);
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t low = unitAt(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUnit(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), text);
                at += 2;
                continue;
            }
        }
        AppendUnit(unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit, text);
    }
    return text;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return ToLowerAscii(a) == ToLowerAscii(b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// open, ShellExecute and shell\<verb>\command start programs; shell\<verb> alone is a caption.
bool StartsAProgram(std::string_view key) {
    if (SameIgnoringCase(key, "open") || SameIgnoringCase(key, "shellexecute")) {
        return true;
    }
    constexpr std::string_view kCommand = "\\command";
    return StartsWithIgnoringCase(key, "shell\\") && key.size() > kCommand.size() &&
           SameIgnoringCase(key.substr(key.size() - kCommand.size()), kCommand);
}

// The program a command names: the quoted text, or the text up to the first blank.
std::string_view ProgramOf(std::string_view command) {
    command = Trimmed(command);
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        return command.substr(0, command.find('"'));
    }
    return command.substr(0, command.find_first_of(" \t"));
}

const InfEntry* FirstAutorunEntry(const std::vector<InfEntry>& entries, std::string_view key) {
    for (const InfEntry& entry : entries) {
        if (SameIgnoringCase(entry.section, "autorun") && SameIgnoringCase(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::string AutorunTextFromBytes(std::string_view bytes,
                                 const std::function<std::string(std::string_view)>& utf8FromAnsi) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        return Utf8FromUtf16Le(bytes.substr(2));
    }
    return utf8FromAnsi(bytes);
}

std::vector<InfEntry> ParseInf(std::string_view text) {
    std::vector<InfEntry> entries;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string_view content = Trimmed(line);
        if (content.empty() || content.front() == ';') {
            continue;
        }
        if (content.front() == '[') {
            section = Trimmed(content.substr(1, content.find(']') - 1));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        // The value as written: labels go in as typed, blanks included.
        entries.push_back({section, std::string(Trimmed(line.substr(0, equals))),
                           std::string(line.substr(equals + 1)), std::string(content)});
    }
    return entries;
}

bool IsAutorunSection(std::string_view section) {
    return SameIgnoringCase(section, "autorun") || StartsWithIgnoringCase(section, "autorun.");
}

AutorunLabels LabelsOf(const std::vector<InfEntry>& entries) {
    AutorunLabels labels;
    if (const InfEntry* label = FirstAutorunEntry(entries, "label")) {
        labels.volume = label->value;
    }
    const InfEntry* action = FirstAutorunEntry(entries, "action");
    if (action == nullptr) {
        action = FirstAutorunEntry(entries, "shell\\menu");
    }
    if (action != nullptr) {
        labels.action = action->value;
    }
    return labels;
}

bool IsCreatorsAutorun(std::string_view text) {
    const AutorunLabels labels = LabelsOf(ParseInf(text));
    return text == creator::AutorunInfText(labels.action, labels.volume);
}

std::vector<InfEntry> ForeignStarts(const std::vector<InfEntry>& entries) {
    std::vector<InfEntry> foreign;
    for (const InfEntry& entry : entries) {
        if (IsAutorunSection(entry.section) && StartsAProgram(entry.key) &&
            !SameIgnoringCase(ProgramOf(entry.value), drive::kKindelName)) {
            foreign.push_back(entry);
        }
    }
    return foreign;
}

}  // namespace corvane::tendwell
