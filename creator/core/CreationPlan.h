// The creation run as a list of steps: what to remove, write, create and copy, and where the status
// line changes and the window may repaint. The Win32 side walks the list and does each step.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::creator {

struct CreationInputs {
    std::string targetRoot;
    std::string actionLabel;
    std::string volumeLabel;
};

// A drive is needed, and at least one of the two labels.
bool InputsComplete(const CreationInputs& inputs);

enum class StepKind {
    SetStatus,      // text: the new status line ("" clears it)
    LetRepaint,     // let pending window messages run
    DeleteOldFile,  // name: remove the drive's file of that name when it has one
    StageAutorun,   // write Autorun.inf into the creator folder
    CreateFolder,   // name: create the drive's folder unless something of that name exists
    CopyNewFile,    // name: copy from the creator folder unless the drive has a file of that name
    ShowMessage,    // text
};

struct CreationStep {
    StepKind kind;
    std::string text;  // the relative name, the status text or the message
};

struct CreationPlan {
    // Menu.exe or Kindel.exe missing beside the creator: there must be no steps at all.
    std::vector<std::string> missingPrograms;
    // Support files missing beside the creator: left alone on the drive and named at the end.
    std::vector<std::string> missingSupportFiles;
    std::vector<CreationStep> steps;
};

// Plans a run for a creator folder of which `presentBesideCreator` tells which files it holds
// (asked with each relative name of the drive files except Autorun.inf, which the run writes).
CreationPlan PlanCreation(const std::function<bool(std::string_view relativeName)>& presentBesideCreator);

// The message for a creator folder that lacks a program.
std::string ProgramsMissingMessage(const std::vector<std::string>& missingPrograms,
                                   std::string_view creatorFolder);

// The message for a step that failed: lead-in, the item, " : ", the system's description.
std::string StepFailedMessage(std::string_view leadIn, std::string_view item, std::string_view description);

}  // namespace corvane::creator
