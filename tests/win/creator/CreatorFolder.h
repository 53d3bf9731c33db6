// A creator folder built for a test (F:\Creator: Menu.exe, Kindel.exe and the Support files with
// known contents) and what the tests need to look at a prepared drive.
#pragma once

#include "creator/CreateMenu.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {

inline constexpr const char* kCreatorFolder = "F:\\Creator";

// Empties F: and fills the creator folder. Every file's contents name the file, so a test can tell
// the creator's copy from an older one.
void BuildCreatorFolder();
std::string CreatorCopyOf(const std::string& relativeName);  // the contents BuildCreatorFolder wrote

// The names and contents of every file below `root` (relative names; folders end in a backslash).
std::map<std::string, std::string> Snapshot(const std::string& root);

// Stands in for the creator window in runs started by a test.
class RecordingFeedback : public creator::CreationFeedback {
  public:
    explicit RecordingFeedback(creator::CreationInputs inputs) : inputs_(std::move(inputs)) {}

    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void LetRepaint() override {
        ++repaints;
        if (onRepaint) {
            onRepaint(repaints);
        }
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void FocusActionLabel() override { ++focusRequests; }
    creator::CreationInputs CurrentInputs() override { return inputs_; }

    std::vector<std::string> statuses;
    std::vector<std::string> messages;
    int repaints = 0;
    int focusRequests = 0;
    std::function<void(int repaint)> onRepaint;  // runs at each repaint point, numbered from 1

  private:
    creator::CreationInputs inputs_;
};

}  // namespace corvane::test
