// The creation run: prepares a drive from the creator folder (Create Menu).
#pragma once

#include "creator/core/CreationPlan.h"

#include <functional>
#include <string>

namespace corvane::creator {

// What the run needs of the window that started it.
class CreationFeedback {
  public:
    virtual ~CreationFeedback() = default;
    virtual void SetStatus(const std::string& text) = 0;
    // Lets pending window messages run, so that a new status text is painted.
    virtual void LetRepaint() = 0;
    // An information message with the program title and an OK button; returns when it is answered.
    virtual void ShowMessage(const std::string& text) = 0;
    // A question with Yes and No, No the default; true only when it is answered Yes.
    virtual bool Confirm(const std::string& question) = 0;
    virtual void FocusActionLabel() = 0;
    // The labels as they are now (they are read again when Autorun.inf is written).
    virtual CreationInputs CurrentInputs() = 0;
};

enum class CreationOutcome {
    InputsMissing,    // no drive, or neither label: nothing was touched
    ProgramsMissing,  // the creator folder lacks Menu.exe or Kindel.exe: nothing was touched
    TargetRefused,    // the chosen folder must not be prepared (see CheckTarget): nothing was touched
    Declined,         // the user said No to preparing a folder that is not a removable drive's root
    StepFailed,       // a step failed and was reported; the steps before it stay done
    Done,
};

// Runs a creation with the current inputs of `feedback`. `creatorFolder` holds Menu.exe, Kindel.exe
// and the Support folder and is given without a trailing backslash; Autorun.inf is staged there.
CreationOutcome CreateMenu(const std::string& creatorFolder, CreationFeedback& feedback);

// What the creator window calls for Create Menu: CreateMenu, or a stand-in given by a test.
using CreationRunner =
    std::function<CreationOutcome(const std::string& creatorFolder, CreationFeedback& feedback)>;

}  // namespace corvane::creator
