// Menu start: from CreateProcess to the menu window shown with its list filled and sorted, for lists
// of several sizes, against the minimal window program measured the same way in the same run. The
// programs are started in turn, round after round, so that a noisy machine slows all of them alike.
//
//   bench_menu_start <Menu.exe> <bench_minimal_window.exe> <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "common/UniqueHandle.h"

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace corvane::bench {
namespace {

constexpr double kTimeoutMs = 120'000;

struct Program {
    std::string label;
    std::string exe;        // the copy started, in a folder of its own
    std::string className;  // of the window that counts as shown
    int rows = -1;          // rows the list must hold by then; -1: a window without a list
};

struct StartResult {
    double ms = 0;
    SIZE_T peakWorkingSet = 0;
};

// The process's visible top-level window of the class, or null while there is none.
HWND ShownWindow(DWORD processId, const std::string& className) {
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, className.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

bool Ready(const Program& program, DWORD processId) {
    const HWND window = ShownWindow(processId, program.className);
    if (window == nullptr) {
        return false;
    }
    if (program.rows < 0) {
        return true;
    }
    const HWND list = ::FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
    return list != nullptr && ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == program.rows;
}

StartResult Start(const Program& program) {
    const std::string folder = program.exe.substr(0, program.exe.find_last_of('\\'));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + program.exe + "\"";
    const double started = NowMs();
    if (!::CreateProcessA(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        Die("cannot start " + program.exe);
    }
    const UniqueHandle<handle_traits::Kernel> process(info.hProcess);
    const UniqueHandle<handle_traits::Kernel> thread(info.hThread);
    // The program's own effect is polled for: a window of its class, visible, with every row in it.
    while (!Ready(program, info.dwProcessId)) {
        if (NowMs() - started > kTimeoutMs || ::WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0) {
            Die(program.label + " did not show its window");
        }
    }
    StartResult result;
    result.ms = NowMs() - started;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process.get(), &memory, sizeof memory)) {
        result.peakWorkingSet = memory.PeakWorkingSetSize;
    }
    // Ended without closing, so that it stores no settings between rounds.
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), INFINITE);
    return result;
}

std::string CopyInto(const std::string& folder, const std::string& exe) {
    MakeFolderOrDie(folder);
    const std::string copy = folder + exe.substr(exe.find_last_of("\\/"));
    if (!::CopyFileA(exe.c_str(), copy.c_str(), FALSE)) {
        Die("cannot copy " + exe);
    }
    return copy;
}

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
    using namespace corvane::bench;
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: bench_menu_start <Menu.exe> <minimal window exe> <work folder> [rounds]\n");
        return 2;
    }
    const std::string menuExe = argv[1];
    const std::string work = std::string(argv[3]) + "\\";
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 5;
    MakeFolderOrDie(work);

    std::vector<Program> programs;
    programs.push_back({"minimal window", CopyInto(work + "minimal", argv[2]), "MinimalWindow", -1});
    for (const int entries : {0, 1'000, 10'000, 100'000}) {
        const std::string folder = work + "list" + std::to_string(entries);
        Program menu{"menu, " + std::to_string(entries) + " entries", CopyInto(folder, menuExe), "frmMain",
                     entries};
        WriteFileOrDie(folder + "\\Data.dat", MakeListText(static_cast<std::size_t>(entries)));
        programs.push_back(menu);
    }

    // One start of each before measuring: the first start of a program pays for loading it from disk.
    for (const Program& program : programs) {
        Start(program);
    }
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, SIZE_T> peak;
    for (int round = 0; round < rounds; ++round) {
        for (const Program& program : programs) {
            const StartResult result = Start(program);
            times[program.label].push_back(result.ms);
            peak[program.label] = std::max(peak[program.label], result.peakWorkingSet);
        }
    }

    const double minimal = Median(times["minimal window"]);
    const double empty = Median(times["menu, 0 entries"]);
    PrintRow("start, minimal window", Ms(minimal), "1.00x of minimal window", "");
    const std::map<int, std::string> goals = {{10'000, "<= 1.3x of empty menu"},
                                              {100'000, "<= 3x of empty menu"}};
    for (const int entries : {0, 1'000, 10'000, 100'000}) {
        const std::string label = "menu, " + std::to_string(entries) + " entries";
        const double ms = Median(times[label]);
        const auto goal = goals.find(entries);
        PrintRow("start, " + label, Ms(ms),
                 Ratio(ms, empty) + " of empty menu, " + Ratio(ms, minimal) + " of minimal window",
                 goal == goals.end() ? "" : goal->second);
    }
    const auto minimalPeak = static_cast<double>(peak["minimal window"]);
    for (const int entries : {0, 10'000}) {
        const std::string label = "menu, " + std::to_string(entries) + " entries";
        const auto bytes = static_cast<double>(peak[label]);
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%.1f MB", bytes / (1024.0 * 1024.0));
        PrintRow("peak working set, " + label, text.data(), Ratio(bytes, minimalPeak) + " of minimal window",
                 entries == 0 ? "" : "< 30 MB");
    }
    return 0;
}
