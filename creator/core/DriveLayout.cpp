#include "creator/core/DriveLayout.h"

#include "common/core/AnsiText.h"
#include "common/core/DriveFiles.h"
#include "common/core/PlainAscii.h"
#include "common/core/Utf8Units.h"

namespace corvane::creator {
namespace {

constexpr std::string_view kUtf16LeByteOrderMark = "\xFF\xFE";
constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUtf16Le(char16_t unit, std::string& out) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

// UTF-8 as UTF-16 little-endian bytes; a byte that starts no valid character becomes U+FFFD.
std::string Utf16LeFromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Unit unit = DecodeUnit(text, at);
        at += unit.length;
        const bool loneByte = unit.length == 1 && unit.value >= 0x80;
        const char32_t value = loneByte ? kReplacementCharacter : unit.value;
        if (value < 0x10000) {
            AppendUtf16Le(static_cast<char16_t>(value), out);
        } else {  // a surrogate pair
            const char32_t above = value - 0x10000;
            AppendUtf16Le(static_cast<char16_t>(0xD800 + (above >> 10)), out);
            AppendUtf16Le(static_cast<char16_t>(0xDC00 + (above & 0x3FF)), out);
        }
    }
    return out;
}

}  // namespace

bool IsProgramFile(std::string_view relativeName) {
    return relativeName == drive::kMenuName || relativeName == drive::kKindelName;
}

std::string AutorunInfText(std::string_view actionLabel, std::string_view volumeLabel) {
    const std::string action = LineBreaksToSpaces(actionLabel);
    const std::string volume = LineBreaksToSpaces(volumeLabel);
    const std::string kindel(drive::kKindelName);
    std::string text;
    for (const std::string& line : {
             std::string("[autorun]"),
             "open=" + kindel,
             "ShellExecute=" + kindel,
             "Icon=" + std::string(drive::kMenuName),
             "Label=" + volume,
             "action=" + action,
             "shell\\menu=" + action,
             "shell\\menu\\command=" + kindel,
             std::string("Shell=Menu"),
         }) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string AutorunInfFileBytes(std::string_view actionLabel, std::string_view volumeLabel) {
    const std::string text = AutorunInfText(actionLabel, volumeLabel);
    if (IsPlainAscii(text)) {
        return text;
    }
    return std::string(kUtf16LeByteOrderMark) + Utf16LeFromUtf8(text);
}

std::string TargetRootWithSeparator(std::string_view targetRoot) {
    std::string root(targetRoot);
    if (!root.empty() && root.back() != '\\' && root.back() != '/') {
        root += '\\';
    }
    return root;
}

std::string TargetPath(std::string_view targetRoot, std::string_view relativeName) {
    return TargetRootWithSeparator(targetRoot).append(relativeName);
}

std::string SourcePath(std::string_view creatorFolder, std::string_view relativeName) {
    // The folder comes from the program's own path and never ends in a backslash; a byte 0x5C at
    // its end is the second byte of a double-byte character and must stay.
    std::string path(creatorFolder);
    path += '\\';
    return path.append(relativeName);
}

}  // namespace corvane::creator
