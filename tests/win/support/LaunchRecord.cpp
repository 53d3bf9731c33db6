#include "tests/win/support/LaunchRecord.h"

#include "common/FileContents.h"
#include "common/TextEncoding.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::test {
namespace {

constexpr const char* kRecorderName = "corvane_launch_recorder.exe";

std::string RecordPath() {
    wchar_t folder[MAX_PATH + 1] = {};  // the call's own limit
    ::GetTempPathW(MAX_PATH + 1, folder);
    return Utf8FromWide(folder) + "corvane-launch-record.txt";
}

std::optional<LaunchRecord> TakeRecord() {
    std::string contents;
    if (ReadWholeFile(RecordPath(), contents) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    ::DeleteFileW(WideFromUtf8(RecordPath()).c_str());
    LaunchRecord record;
    std::size_t start = 0;
    for (std::string* field : {&record.folder, &record.arguments, &record.program}) {
        const auto end = contents.find('\n', start);
        *field = contents.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? contents.size() : end + 1;
    }
    return record;
}

}  // namespace

std::string InstallLaunchRecorder(const std::string& destination) {
    ::SetEnvironmentVariableW(L"CORVANE_LAUNCH_RECORD", WideFromUtf8(RecordPath()).c_str());
    ::DeleteFileW(WideFromUtf8(RecordPath()).c_str());
    const std::string source = TestProgramFolder() + kRecorderName;
    EXPECT_TRUE(::CopyFileW(WideFromUtf8(source).c_str(), WideFromUtf8(destination).c_str(), FALSE))
        << source << " -> " << destination;
    return destination;
}

std::optional<LaunchRecord> WaitForLaunchRecord(unsigned timeoutMs) {
    std::optional<LaunchRecord> record;
    PollUntil([&] { return (record = TakeRecord()).has_value(); }, timeoutMs);
    return record;
}

bool NoLaunchWithin(unsigned timeoutMs) {
    return !WaitForLaunchRecord(timeoutMs).has_value();
}

}  // namespace corvane::test
