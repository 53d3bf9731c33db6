// Autorun.inf for any labels: always the nine lines, each ended by CR LF, with the labels on their
// own lines only; the file is that text itself for plain ASCII labels and UTF-16 little-endian after
// its mark for any other; and the paths of the files copied keep the root and the name they were given.
#include "common/core/PlainAscii.h"
#include "creator/core/DriveLayout.h"
#include "fuzz/FuzzSupport.h"

#include <array>
#include <vector>

using namespace corvane::creator;

namespace {

std::vector<std::string_view> SplitCrLfLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (auto end = text.find("\r\n"); end != std::string_view::npos; end = text.find("\r\n")) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    FUZZ_REQUIRE(text.empty());  // nothing after the last CR LF
    return lines;
}

// The label as it may stand on its line: as typed when it has no line break, else space for each.
bool IsLabelAsTyped(std::string_view written, std::string_view typed) {
    if (written.size() != typed.size()) {
        return false;
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const bool lineBreak = typed[i] == '\r' || typed[i] == '\n';
        if (written[i] != (lineBreak ? ' ' : typed[i])) {
            return false;
        }
    }
    return true;
}

void Autorun(std::string_view action, std::string_view volume) {
    const std::string text = AutorunInfText(action, volume);
    const auto lines = SplitCrLfLines(text);
    FUZZ_REQUIRE(lines.size() == 9);
    for (const std::string_view line : lines) {
        FUZZ_REQUIRE(!corvane::fuzz::HasLineBreak(line));
    }
    constexpr std::array<std::string_view, 9> kFixed = {
        "[autorun]", "open=Kindel.exe", "ShellExecute=Kindel.exe",         "Icon=Menu.exe", "Label=",
        "action=",   "shell\\menu=",    "shell\\menu\\command=Kindel.exe", "Shell=Menu"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_REQUIRE(lines[i].starts_with(kFixed[i]));
    }
    FUZZ_REQUIRE(IsLabelAsTyped(lines[4].substr(kFixed[4].size()), volume));
    FUZZ_REQUIRE(IsLabelAsTyped(lines[5].substr(kFixed[5].size()), action));
    FUZZ_REQUIRE(IsLabelAsTyped(lines[6].substr(kFixed[6].size()), action));
}

// The file: the text itself for plain ASCII labels; else the mark, then two bytes a UTF-16 unit,
// starting with the first line and ending with the last.
void FileBytes(std::string_view action, std::string_view volume) {
    const std::string text = AutorunInfText(action, volume);
    const std::string file = AutorunInfFileBytes(action, volume);
    if (corvane::IsPlainAscii(action) && corvane::IsPlainAscii(volume)) {
        FUZZ_REQUIRE(file == text);
        return;
    }
    FUZZ_REQUIRE(file.starts_with("\xFF\xFE") && file.size() % 2 == 0);
    const std::string_view firstLine = "[autorun]\r\n";
    for (std::size_t i = 0; i < firstLine.size(); ++i) {
        FUZZ_REQUIRE(file[2 + 2 * i] == firstLine[i] && file[3 + 2 * i] == '\0');
    }
    FUZZ_REQUIRE(file.ends_with(std::string("M\0e\0n\0u\0\r\0\n\0", 12)));
}

void Paths(std::string_view root, std::string_view name) {
    const std::string target = TargetPath(root, name);
    FUZZ_REQUIRE(target.starts_with(root) && target.ends_with(name));
    // At most one separator is added, and only where the root lacks one.
    FUZZ_REQUIRE(target.size() - root.size() - name.size() <= 1);
    if (!root.empty()) {
        const char separator = target[target.size() - name.size() - 1];
        FUZZ_REQUIRE(separator == '\\' || separator == '/');
    }
    const std::string source = SourcePath(root, name);
    FUZZ_REQUIRE(source == std::string(root) + '\\' + std::string(name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string_view action = fields.Next();
    const std::string_view volume = fields.Next();
    Autorun(action, volume);
    FileBytes(action, volume);
    Paths(action, volume);
    return 0;
}
