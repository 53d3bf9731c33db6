#include "menu/core/EjectHandOff.h"

#include "common/core/PathText.h"
#include "menu/core/SingleMenuKey.h"

#include <charconv>

namespace corvane::menu {
namespace {

constexpr std::string_view kSwitch = "/eject-drive";
constexpr std::string_view kCopyLead = "CorvaneEject-";
constexpr std::string_view kCopyExtension = ".exe";

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view lead) {
    if (text.size() < lead.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lead.size(); ++i) {
        if (AsciiLower(text[i]) != AsciiLower(lead[i])) {
            return false;
        }
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Only decimal digits, at least one, and a value that fits.
template <typename Number>
std::optional<Number> DigitsValue(std::string_view text) {
    Number value = 0;
    if (text.empty() || !IsDigit(text.front())) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string_view ArgumentsAfterProgram(std::string_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        const std::size_t close = commandLine.find('"', 1);
        at = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) {
            ++at;
        }
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    return commandLine.substr(at);
}

std::string EjectHandOffArguments(const EjectHandOffRequest& request) {
    return std::string(kSwitch) + ' ' + request.drive + ": " + std::to_string(request.menuProcessId);
}

bool IsEjectHandOff(std::string_view arguments) {
    return StartsWithIgnoringCase(arguments, kSwitch) &&
           (arguments.size() == kSwitch.size() || IsBlank(arguments[kSwitch.size()]));
}

std::optional<EjectHandOffRequest> ParseEjectHandOff(std::string_view arguments) {
    // "/eject-drive E: 1234": the switch, one blank, the letter and colon, one blank, the number.
    if (!IsEjectHandOff(arguments) || arguments.size() < kSwitch.size() + 5) {
        return std::nullopt;
    }
    const std::string_view drive = arguments.substr(kSwitch.size() + 1, 3);
    const char letter = static_cast<char>(AsciiLower(drive[0]) - 'a' + 'A');
    if (arguments[kSwitch.size()] != ' ' || letter < 'A' || letter > 'Z' || drive[1] != ':' ||
        drive[2] != ' ') {
        return std::nullopt;
    }
    const auto process = DigitsValue<std::uint32_t>(arguments.substr(kSwitch.size() + 4));
    if (!process || *process == 0) {
        return std::nullopt;
    }
    return EjectHandOffRequest{letter, *process};
}

std::string HandOffCopyName(std::uint32_t processId, std::uint64_t stamp) {
    return std::string(kCopyLead) + std::to_string(processId) + '-' + std::to_string(stamp) +
           std::string(kCopyExtension);
}

bool IsHandOffCopyName(std::string_view fileName) {
    if (!StartsWithIgnoringCase(fileName, kCopyLead) ||
        fileName.size() < kCopyLead.size() + kCopyExtension.size() ||
        !StartsWithIgnoringCase(fileName.substr(fileName.size() - kCopyExtension.size()), kCopyExtension)) {
        return false;
    }
    // Between them: the process number, a dash and the stamp.
    const std::string_view middle =
        fileName.substr(kCopyLead.size(), fileName.size() - kCopyLead.size() - kCopyExtension.size());
    const std::size_t dash = middle.find('-');
    return dash != std::string_view::npos && DigitsValue<std::uint32_t>(middle.substr(0, dash)) &&
           DigitsValue<std::uint64_t>(middle.substr(dash + 1));
}

bool HandOffAllowed(const EjectHandOffRequest& request, std::string_view ownImage,
                    std::string_view tempFolder) {
    const std::string folder = FolderOf(ownImage);
    const std::string name =
        ownImage.size() > folder.size() ? std::string(ownImage.substr(folder.size() + 1)) : "";
    return !tempFolder.empty() && IsHandOffCopyName(name) &&
           FolderIdentity(folder) == FolderIdentity(tempFolder) && DriveLetterOf(ownImage) != request.drive;
}

char DriveLetterOf(std::string_view path) {
    if (StartsWithIgnoringCase(path, "\\\\?\\")) {
        path.remove_prefix(4);
    }
    if (path.size() < 2 || path[1] != ':' || (path.size() > 2 && path[2] != '\\' && path[2] != '/')) {
        return 0;
    }
    const char letter = static_cast<char>(AsciiLower(path[0]) - 'a' + 'A');
    return letter >= 'A' && letter <= 'Z' ? letter : 0;
}

}  // namespace corvane::menu
