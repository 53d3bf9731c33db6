#include "tendwell/AutorunFile.h"

#include "common/TextEncoding.h"
#include "creator/core/DriveLayout.h"

namespace corvane::tendwell {

std::string AutorunFileText(std::string_view bytes) {
    return AutorunTextFromBytes(bytes, [](std::string_view ansi) { return Utf8FromAnsi(ansi); });
}

std::string AutorunFileBytes(const AutorunLabels& labels) {
    return creator::AutorunInfText(AnsiFromUtf8(labels.action), AnsiFromUtf8(labels.volume));
}

bool AutorunFileKeepsLabels(const AutorunLabels& labels) {
    const auto kept = [](const std::string& label) { return Utf8FromAnsi(AnsiFromUtf8(label)) == label; };
    return kept(labels.action) && kept(labels.volume);
}

}  // namespace corvane::tendwell
