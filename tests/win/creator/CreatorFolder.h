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

// Empties F: and fills a creator folder (F:\Creator unless told; "F:" for the drive's root). Every
// file's contents name the file, so a test can tell the creator's copy from an older one.
void BuildCreatorFolder(const std::string& folder = kCreatorFolder);
std::string CreatorCopyOf(const std::string& relativeName);  // the contents BuildCreatorFolder wrote

// The names and contents of every file below `root` (relative names; folders end in a backslash).
std::map<std::string, std::string> Snapshot(const std::string& root);

// A symbolic link to a folder made on the Unix side of the Wine session (Wine shows it as a reparse
// point; it cannot make one itself). Both paths are relative to the session's drive folders, for
// example "drive-e/Support". The link is removed when this goes out of scope.
class SessionFolderLink {
  public:
    SessionFolderLink(const std::string& link, const std::string& target);
    ~SessionFolderLink();
    SessionFolderLink(const SessionFolderLink&) = delete;
    SessionFolderLink& operator=(const SessionFolderLink&) = delete;

  private:
    std::string path_;      // the link as this process sees it through Z:
    std::string unixLink_;  // the link's Unix path, quoted for a command line
};

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
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answerYes;
    }
    void FocusActionLabel() override { ++focusRequests; }
    creator::CreationInputs CurrentInputs() override { return inputs_; }

    std::vector<std::string> statuses;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answerYes = false;
    int repaints = 0;
    int focusRequests = 0;
    std::function<void(int repaint)> onRepaint;  // runs at each repaint point, numbered from 1

  private:
    creator::CreationInputs inputs_;
};

}  // namespace corvane::test
