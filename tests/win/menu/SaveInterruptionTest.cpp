#include "common/UniqueHandle.h"
#include "menu/core/DataFile.h"
#include "tests/win/support/SaveWorkerLists.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

using namespace corvane::test;
using corvane::UniqueKernelHandle;

int Rounds() {
    const char* value = std::getenv("CORVANE_KILL_ROUNDS");
    return value != nullptr ? std::atoi(value) : 40;
}

// The kill moments come from this seed: a fresh one each run, or CORVANE_KILL_SEED to replay a failure.
unsigned Seed() {
    const char* value = std::getenv("CORVANE_KILL_SEED");
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10))
                            : std::random_device{}();
}

// A save killed at any moment leaves Data.dat holding the complete old or the complete new list.
TEST(SaveInterruption, KilledSavesLeaveTheOldOrTheNewList) {
    EmptyDrive(kStickRoot);
    constexpr int kRows = 3000;
    const std::string file = "E:\\Data.dat";
    const std::string first = corvane::menu::EncodeRecords(SaveWorkerList('A', kRows));
    const std::string second = corvane::menu::EncodeRecords(SaveWorkerList('B', kRows));
    WriteTestFile(file, first);

    const unsigned seed = Seed();
    std::printf("kill moments from seed %u (CORVANE_KILL_SEED=%u replays them)\n", seed, seed);
    std::fflush(stdout);
    std::mt19937 random(seed);
    std::uniform_int_distribution<DWORD> delay(0, 60);
    const std::string worker = TestProgramFolder() + "corvane_save_worker.exe";
    std::string commandLine = "\"" + worker + "\" " + file + " " + std::to_string(kRows);
    // Should this test die, the job takes the worker down with it instead of leaving it writing.
    UniqueKernelHandle job(::CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    int firstSeen = 0;
    int secondSeen = 0;
    for (int round = 0; round < Rounds(); ++round) {
        UniqueKernelHandle saving(::CreateEventA(nullptr, TRUE, FALSE, "CorvaneSaveWorkerSaving"));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(::CreateProcessA(worker.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                     CREATE_SUSPENDED, nullptr, nullptr, &startup, &process));
        UniqueKernelHandle processHandle(process.hProcess);
        UniqueKernelHandle threadHandle(process.hThread);
        ::AssignProcessToJobObject(job.get(), processHandle.get());
        ::ResumeThread(threadHandle.get());
        ASSERT_EQ(::WaitForSingleObject(saving.get(), 20000), WAIT_OBJECT_0) << "worker never saved";
        ::Sleep(delay(random));  // the moment of the kill is the point of the test
        ::TerminateProcess(processHandle.get(), 9);
        ::WaitForSingleObject(processHandle.get(), 20000);

        const std::string contents = ReadTestFile(file);
        ASSERT_TRUE(contents == first || contents == second)
            << "round " << round << " of seed " << seed << ": Data.dat holds " << contents.size()
            << " bytes of neither list";
        (contents == first ? firstSeen : secondSeen)++;
    }
    std::printf("%d kills: %d left the old list, %d the new one\n", Rounds(), firstSeen, secondSeen);
    // Kills must land in both halves of the worker's cycle, or the test proved little.
    EXPECT_GT(firstSeen, 0);
    EXPECT_GT(secondSeen, 0);
    EmptyDrive(kStickRoot);
}

}  // namespace
