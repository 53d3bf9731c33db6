// Preparing a drive whose support files total 200 MB: the creator's run, in-process, against a
// CopyFileA loop over the same files, each into an empty folder; both in turn, round after round.
//
//   bench_creator <Menu.exe> <Kindel.exe> <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "creator/CreateMenu.h"
#include "creator/core/DriveLayout.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string_view>
#include <utility>

namespace corvane::bench {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// The support files and their sizes: 200 MiB in all, and the small text file.
struct SupportFile {
    std::string_view name;
    std::size_t bytes;
};
constexpr std::array<SupportFile, 6> kSupportFiles = {{
    {"Support\\Tendwell.exe", 60 * kMiB},
    {"Support\\DO NOT DELETE.txt", 1024},
    {"Support\\Utility.exe", 50 * kMiB},
    {"Support\\usbview.exe", 30 * kMiB},
    {"Support\\mscomctl.ocx", 20 * kMiB},
    {"Support\\Corvane.chm", 40 * kMiB - 1024},
}};

// The run asks for nothing: the labels are fixed and its messages are only kept.
class QuietFeedback final : public creator::CreationFeedback {
  public:
    explicit QuietFeedback(std::string targetRoot) : targetRoot_(std::move(targetRoot)) {}
    void SetStatus(const std::string&) override {}
    void LetRepaint() override {}
    void ShowMessage(const std::string& text) override { lastMessage = text; }
    // The benchmark prepares a folder on E:, not a drive's root: the question is always answered Yes.
    bool Confirm(const std::string&) override { return true; }
    void FocusActionLabel() override {}
    creator::CreationInputs CurrentInputs() override { return {targetRoot_, "Open the menu", "CORVANE"}; }
    std::string lastMessage;

  private:
    std::string targetRoot_;
};

// Random bytes, so that no layer of the file system can shortcut the copies.
void MakeCreatorFolder(const std::string& folder, const std::string& menuExe, const std::string& kindelExe) {
    MakeFolderOrDie(folder);
    MakeFolderOrDie(folder + "\\Support");
    if (!::CopyFileA(menuExe.c_str(), creator::SourcePath(folder, drive::kMenuName).c_str(), FALSE) ||
        !::CopyFileA(kindelExe.c_str(), creator::SourcePath(folder, drive::kKindelName).c_str(), FALSE)) {
        Die("cannot copy the programs into " + folder);
    }
    std::mt19937_64 random(7);
    for (const SupportFile& file : kSupportFiles) {
        std::string contents(file.bytes, '\0');
        for (std::size_t i = 0; i + 8 <= contents.size(); i += 8) {
            const std::uint64_t word = random();
            std::memcpy(contents.data() + i, &word, sizeof word);
        }
        WriteFileOrDie(creator::SourcePath(folder, file.name), contents);
    }
}

void RemoveDriveFiles(const std::string& root) {
    for (const std::string_view name : drive::kDriveFiles) {
        const std::string path = creator::TargetPath(root + "\\", name);
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
    }
    for (const std::string_view name : drive::kDriveFolders) {
        ::RemoveDirectoryA(creator::TargetPath(root + "\\", name).c_str());
    }
    ::RemoveDirectoryA(root.c_str());
}

double TimeCreation(const std::string& creatorFolder, const std::string& target) {
    MakeFolderOrDie(target);
    QuietFeedback feedback(target);
    const double started = NowMs();
    const creator::CreationOutcome outcome = creator::CreateMenu(creatorFolder, feedback);
    const double ms = NowMs() - started;
    if (outcome != creator::CreationOutcome::Done) {
        Die("the creation run failed: " + feedback.lastMessage);
    }
    RemoveDriveFiles(target);
    return ms;
}

// The same files copied one after the other, as plainly as Windows allows.
double TimeCopyLoop(const std::string& creatorFolder, const std::string& target) {
    MakeFolderOrDie(target);
    const double started = NowMs();
    MakeFolderOrDie(target + "\\Support");
    for (const std::string_view name : drive::kDriveFiles) {
        if (!::CopyFileA(creator::SourcePath(creatorFolder, name).c_str(),
                         creator::TargetPath(target + "\\", name).c_str(), FALSE)) {
            Die("cannot copy " + std::string(name));
        }
    }
    const double ms = NowMs() - started;
    RemoveDriveFiles(target);
    return ms;
}

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
    using namespace corvane::bench;
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_creator <Menu.exe> <Kindel.exe> <work folder> [rounds]\n");
        return 2;
    }
    const std::string work = argv[3];
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;
    MakeFolderOrDie(work);
    const std::string creatorFolder = work + "\\creator";
    MakeCreatorFolder(creatorFolder, argv[1], argv[2]);
    // The first run stages Autorun.inf, which the copy loop copies too.
    TimeCreation(creatorFolder, work + "\\warm-up");

    std::vector<double> creation;
    std::vector<double> copying;
    for (int round = 0; round < rounds; ++round) {
        // Each goes first in turn, so that neither always meets the other's pending writes.
        if (round % 2 == 0) {
            creation.push_back(TimeCreation(creatorFolder, work + "\\created"));
            copying.push_back(TimeCopyLoop(creatorFolder, work + "\\copied"));
        } else {
            copying.push_back(TimeCopyLoop(creatorFolder, work + "\\copied"));
            creation.push_back(TimeCreation(creatorFolder, work + "\\created"));
        }
    }
    const double created = Median(creation);
    const double copied = Median(copying);
    PrintRow("CopyFileA loop, 200 MB of support files", Ms(copied), "1.00x of copy loop", "");
    PrintRow("prepare a drive, 200 MB of support files", Ms(created),
             Ratio(created, copied) + " of copy loop", "<= 1.1x");
    return 0;
}
