#include "creator/CreateMenu.h"

#include "common/FileContents.h"
#include "common/MyMod.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "creator/TargetFacts.h"
#include "creator/core/CreatorTexts.h"
#include "creator/core/DriveLayout.h"

#include <windows.h>

#include <optional>

namespace corvane::creator {
namespace {

// A step that did not work: the lead-in of its kind, the path concerned and the system's error.
struct StepFailure {
    const char* leadIn;
    std::string item;
    DWORD error;
};

class CreationRun {
  public:
    CreationRun(const std::string& creatorFolder, const std::string& targetRoot, CreationFeedback& feedback)
        : creatorFolder_(creatorFolder),
          targetRoot_(TargetRootWithSeparator(targetRoot)),
          feedback_(feedback) {}

    // Does one step; returns false (with failure_ set) when it failed.
    bool Do(const CreationStep& step) {
        switch (step.kind) {
            case StepKind::SetStatus:
                feedback_.SetStatus(step.text);
                return true;
            case StepKind::LetRepaint:
                feedback_.LetRepaint();
                return true;
            case StepKind::ShowMessage:
                feedback_.ShowMessage(step.text);
                return true;
            case StepKind::DeleteOldFile:
                return DeleteOldFile(TargetPath(targetRoot_, step.text));
            case StepKind::StageAutorun:
                return StageAutorun(SourcePath(creatorFolder_, step.text));
            case StepKind::CreateFolder:
                return CreateFolder(TargetPath(targetRoot_, step.text));
            case StepKind::CopyNewFile:
                return Copy(SourcePath(creatorFolder_, step.text), TargetPath(targetRoot_, step.text));
        }
        return true;
    }

    [[nodiscard]] const StepFailure& Failure() const { return failure_; }

  private:
    bool Fail(const char* leadIn, const std::string& item, DWORD error) {
        failure_ = {leadIn, item, error};
        return false;
    }

    // The file test of the run: a search that fails (drive gone, not ready) fails the step.
    bool Present(const std::string& path, bool& present) {
        const MyMod::SearchOutcome found = MyMod::FindFile(path);
        if (found.result == MyMod::SearchResult::Failed) {
            // A plain file where a folder of the path should be (a file named "Support") or a name that
            // cannot exist: no file of that name is there. Creating or copying it then fails and says why.
            if (found.error != ERROR_DIRECTORY && found.error != ERROR_INVALID_NAME) {
                return Fail(texts::kErrorSearching, path, found.error);
            }
        }
        present = found.result == MyMod::SearchResult::Found;
        return true;
    }

    bool DeleteOldFile(const std::string& path) {
        bool present = false;
        if (!Present(path, present)) {
            return false;
        }
        if (!present) {
            return true;
        }
        // A hidden, system or read-only copy would refuse the delete.
        const std::wstring widePath = WideFromUtf8(path);
        ::SetFileAttributesW(widePath.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!::DeleteFileW(widePath.c_str())) {
            return Fail(texts::kErrorDeleting, path, ::GetLastError());
        }
        // Some file systems report success and keep the file (a write-protected drive); the copy
        // would then leave the old file in place without a word.
        if (!Present(path, present)) {
            return false;
        }
        return !present || Fail(texts::kErrorDeleting, path, ERROR_ACCESS_DENIED);
    }

    bool StageAutorun(const std::string& path) {
        const CreationInputs labels = feedback_.CurrentInputs();
        const DWORD error =
            ReplaceFileContents(path, AutorunInfFileBytes(labels.actionLabel, labels.volumeLabel));
        return error == ERROR_SUCCESS || Fail(texts::kErrorStaging, path, error);
    }

    bool CreateFolder(const std::string& path) {
        if (MyMod::FolderExists(path)) {
            return true;
        }
        return ::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) ||
               Fail(texts::kErrorCreatingFolder, path, ::GetLastError());
    }

    bool Copy(const std::string& source, const std::string& target) {
        bool present = false;
        if (!Present(target, present)) {
            return false;
        }
        if (present) {
            return true;
        }
        const std::wstring wideTarget = WideFromUtf8(target);
        if (::CopyFileW(WideFromUtf8(source).c_str(), wideTarget.c_str(), TRUE)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        // A copy cut short (a full drive) leaves a truncated file; a broken Menu.exe is worse than none.
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            ::DeleteFileW(wideTarget.c_str());
        }
        return Fail(texts::kErrorCopying, target, error);
    }

    const std::string& creatorFolder_;
    const std::string targetRoot_;
    CreationFeedback& feedback_;
    StepFailure failure_{};
};

// Looks at the chosen folder and decides, with the user where a question is due, whether it may be
// prepared. Returns the outcome that ends the click there, or nothing when the run may go ahead on
// `chosen.root`.
std::optional<CreationOutcome> ApproveTarget(const std::string& typedRoot, const std::string& creatorFolder,
                                             CreationFeedback& feedback, ChosenTarget& chosen) {
    std::string failedPath;
    const DWORD error = GatherTargetFacts(typedRoot, creatorFolder, chosen, failedPath);
    if (error != ERROR_SUCCESS) {
        feedback.ShowMessage(StepFailedMessage(texts::kErrorSearching, failedPath, SystemErrorText(error)));
        return CreationOutcome::StepFailed;
    }
    const TargetDecision decision = CheckTarget(chosen.facts, [&chosen](std::string_view name) {
        return IsReparsePoint(TargetPath(chosen.root, name));
    });
    switch (decision.verdict) {
        case TargetVerdict::Prepare:
            return std::nullopt;
        case TargetVerdict::Ask:
            if (feedback.Confirm(TargetMessage(decision, chosen.root))) {
                return std::nullopt;
            }
            return CreationOutcome::Declined;
        case TargetVerdict::CreatorFolder:
        case TargetVerdict::SystemFolder:
        case TargetVerdict::Link:
            break;
    }
    feedback.ShowMessage(TargetMessage(decision, chosen.root));
    return CreationOutcome::TargetRefused;
}

}  // namespace

CreationOutcome CreateMenu(const std::string& creatorFolder, CreationFeedback& feedback) {
    const CreationInputs inputs = feedback.CurrentInputs();
    if (!InputsComplete(inputs)) {
        feedback.ShowMessage(texts::kInputsMissing);
        feedback.FocusActionLabel();
        return CreationOutcome::InputsMissing;
    }
    // Nothing on the drive is touched before the creator knows it can put its programs back.
    const CreationPlan plan = PlanCreation([&creatorFolder](std::string_view name) {
        return MyMod::FileExists(SourcePath(creatorFolder, name));
    });
    if (!plan.missingPrograms.empty()) {
        feedback.ShowMessage(ProgramsMissingMessage(plan.missingPrograms, creatorFolder));
        return CreationOutcome::ProgramsMissing;
    }
    // Nor before it knows the target is a place it may prepare.
    ChosenTarget chosen;
    if (const auto stop = ApproveTarget(inputs.targetRoot, creatorFolder, feedback, chosen)) {
        return *stop;
    }
    CreationRun run(creatorFolder, chosen.root, feedback);
    for (const CreationStep& step : plan.steps) {
        if (!run.Do(step)) {
            const StepFailure& failure = run.Failure();
            feedback.SetStatus({});
            feedback.ShowMessage(
                StepFailedMessage(failure.leadIn, failure.item, SystemErrorText(failure.error)));
            return CreationOutcome::StepFailed;
        }
    }
    return CreationOutcome::Done;
}

}  // namespace corvane::creator
