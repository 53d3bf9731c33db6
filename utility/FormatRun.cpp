#include "utility/FormatRun.h"

#include "common/ProgramPath.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/core/PathText.h"
#include "support/SupportWindow.h"
#include "utility/DriveSurvey.h"
#include "utility/KeptFiles.h"
#include "utility/core/UtilityTexts.h"

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <memory>

namespace corvane::utility {
namespace {

constexpr std::string_view kKeepFolderName = "Corvane kept lists";
constexpr std::string_view kCreatorName = "Stickwright.exe";

int Say(HWND owner, const std::string& text, UINT style) {
    return support::ShowMessage(owner, text, texts::kProgramTitle, style);
}

std::string ProfileFolder() {
    PWSTR folder = nullptr;
    const HRESULT found = ::SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &folder);
    // The text is the shell's to give and ours to free, even when the call failed.
    const std::unique_ptr<wchar_t, decltype(&::CoTaskMemFree)> owned(folder, &::CoTaskMemFree);
    return SUCCEEDED(found) ? Utf8FromWide(owned.get()) : std::string();
}

std::string FailureText(const CopyResult& result) {
    return result.failedPath + ": " + SystemErrorText(result.error);
}

void OfferCreator(HWND owner, const std::string& message, const std::string& creatorPath) {
    if (Say(owner, message + texts::kPrepareAsk, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    const std::wstring creator = WideFromUtf8(creatorPath);
    const std::wstring folder = WideFromUtf8(FolderOf(creatorPath));
    const auto started = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(owner, L"open", creator.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL));
    if (started <= 32) {
        Say(owner, texts::kCreatorStartFailed + creatorPath + "\r\n\r\n" + SystemErrorText(::GetLastError()),
            MB_OK | MB_ICONEXCLAMATION);
    }
}

}  // namespace

FormatOutcome ShellFormat(HWND owner, unsigned driveNumber) {
    return FormatOutcomeOf(::SHFormatDrive(owner, driveNumber, SHFMT_ID_DEFAULT, 0));
}

FormatSetup ProgramFormatSetup() {
    FormatSetup setup;
    setup.programPath = ProgramPath();
    const std::string profile = ProfileFolder();
    // Without a profile the copy would land in some current folder: keep nothing rather than that.
    setup.keepParent = profile.empty() ? std::string() : JoinPath(profile, kKeepFolderName);
    setup.creatorPath = JoinPath(FolderOf(ProgramFolder()), kCreatorName);
    return setup;
}

FormatRunResult RunFormat(HWND owner, char letter, const FormatSetup& setup) {
    FormatRunResult run;
    // The facts are read again now: the list may be older than the stick in the slot.
    const DriveFacts drive = ReadDriveFacts(letter, setup.programPath);
    if (const FormatRefusal refusal = WhyNotFormat(drive); refusal != FormatRefusal::None) {
        Say(owner, RefusalMessage(refusal, letter), MB_OK | MB_ICONEXCLAMATION);
        return run;
    }
    const std::string root = std::string(1, letter) + ":\\";
    const std::vector<KeptItem> items =
        drive.readable ? ItemsToKeep(ReadMenuContents(root)) : std::vector<KeptItem>{};
    if (!items.empty() && !setup.keepParent.empty()) {
        const std::string keepFolder = ChooseKeepFolder(setup.keepParent, letter, drive.label, &Exists);
        if (KeepFolderOnDrive(keepFolder, letter)) {
            Say(owner, KeepFailedMessage(keepFolder, texts::kKeepOnFormattedDrive),
                MB_OK | MB_ICONEXCLAMATION);
            return run;
        }
        const int answer =
            Say(owner, KeepQuestion(letter, items, keepFolder), MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) {
            return run;
        }
        if (answer == IDYES) {
            if (const CopyResult kept = RunCopySteps(KeepSteps(root, keepFolder, items)); !kept.done) {
                RemoveFolderTree(keepFolder);  // half a copy is no copy
                Say(owner, KeepFailedMessage(keepFolder, FailureText(kept)), MB_OK | MB_ICONEXCLAMATION);
                return run;
            }
            run.keepFolder = keepFolder;
        }
    }

    run.formatCalled = true;
    run.outcome = setup.format(owner, *FormatDriveNumber(letter));

    RestoreReport restore;
    if (!run.keepFolder.empty()) {
        restore.kept = true;
        const CopyResult back = RunCopySteps(RestoreSteps(root, run.keepFolder, items, &Exists));
        restore.allBack = back.done;
        if (back.done) {
            RemoveFolderTree(run.keepFolder);
        } else {
            restore.failure = FailureText(back);
            run.keptCopyLeft = true;
        }
    }
    const std::string message = AfterFormatMessage(letter, run.outcome, restore, run.keepFolder);
    if (OffersCreator(run.outcome, !items.empty(), IsFile(setup.creatorPath))) {
        OfferCreator(owner, message, setup.creatorPath);
    } else {
        const UINT icon = run.outcome == FormatOutcome::Failed || run.keptCopyLeft ? MB_ICONEXCLAMATION
                                                                                   : MB_ICONINFORMATION;
        Say(owner, message, MB_OK | icon);
    }
    return run;
}

}  // namespace corvane::utility
