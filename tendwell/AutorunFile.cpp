#include "tendwell/AutorunFile.h"

#include "common/TextEncoding.h"
#include "creator/core/DriveLayout.h"

namespace corvane::tendwell {

std::string AutorunFileText(std::string_view bytes) {
    return AutorunTextFromBytes(bytes, [](std::string_view ansi) { return Utf8FromAnsi(ansi); });
}

std::string AutorunFileBytes(const AutorunLabels& labels) {
    return creator::AutorunInfFileBytes(labels.action, labels.volume);
}

}  // namespace corvane::tendwell
