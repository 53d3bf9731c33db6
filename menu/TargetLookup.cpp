#include "menu/TargetLookup.h"

#include "menu/TargetIcons.h"
#include "menu/core/TargetKind.h"

#include <windows.h>

namespace corvane::menu {
namespace {

struct CandidateState {
    TargetPresence presence = TargetPresence::Unknown;
    DWORD attributes = 0;
};

CandidateState CheckCandidate(const std::wstring& path, const TargetKind& kind) {
    if (path.empty() || path.find(L'\0') != std::wstring::npos) {
        return {TargetPresence::Missing};  // no file has such a name; the system would see a shorter one
    }
    if (kind.place != TargetPlace::DriveLetter) {
        return {TargetPresence::Unknown};
    }
    // The drive's type comes from the drive letter's mapping, without reaching the drive itself.
    switch (::GetDriveTypeW(DriveRoot(kind.drive).c_str())) {
        case DRIVE_NO_ROOT_DIR:
            return {TargetPresence::Missing};
        case DRIVE_REMOTE:
        case DRIVE_UNKNOWN:
            return {TargetPresence::Unknown};
        default:
            break;
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    // There as launching sees it: a visible file. A folder or a hidden or system file is never started,
    // so its entry would only report an error.
    constexpr DWORD kNeverStarted = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kNeverStarted) != 0) {
        return {TargetPresence::Missing};
    }
    return {TargetPresence::Present, attributes};
}

}  // namespace

LookupResult LookUpTarget(const LookupRequest& request, int iconSize) {
    LookupResult result{request.key, TargetPresence::Missing, {}};
    for (const std::wstring& candidate : request.candidates) {
        const TargetKind kind = ClassifyTarget(candidate);
        const CandidateState state = CheckCandidate(candidate, kind);
        if (state.presence == TargetPresence::Present) {
            result.presence = TargetPresence::Present;
            result.icon = ReadTargetIcon(candidate, kind, state.attributes, iconSize);
            return result;
        }
        if (state.presence == TargetPresence::Unknown) {
            result.presence = TargetPresence::Unknown;
        }
    }
    return result;
}

}  // namespace corvane::menu
