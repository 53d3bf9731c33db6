// Menu start: from CreateProcess to the menu window shown with its list answering the texts of its
// first and last rows, for lists of several sizes, against the minimal window program measured the
// same way in the same run. The programs are started in turn, round after round, so that a noisy
// machine slows all of them alike; every ratio is taken within a round.
//
//   bench_menu_start <Menu.exe> <bench_minimal_window.exe> <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "menu/EntryList.h"
#include "menu/ListSorting.h"
#include "tests/win/support/RemoteControls.h"

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

namespace corvane::bench {
namespace {

constexpr double kTimeoutMs = 120'000;
constexpr int kDefaultRounds = 7;
constexpr std::array<int, 4> kListSizes = {0, 1'000, 10'000, 100'000};

std::string LabelOf(int entries) {
    return "menu, " + std::to_string(entries) + " entries";
}

struct Program {
    std::string label;
    std::string exe;        // the copy started, in a folder of its own
    std::string className;  // of the window that counts as shown
    int rows = -1;          // rows the list must hold by then; -1: a window without a list
    // What the first and last rows must say (ANSI, as the list answers): a list of owner data
    // counts its rows before it can show any, so the count alone proves nothing.
    std::string firstName;
    std::string lastName;
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
    if (list == nullptr || ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) != program.rows) {
        return false;
    }
    return program.rows == 0 || (test::ReadListText(list, 0, 0) == program.firstName &&
                                 test::ReadListText(list, program.rows - 1, 0) == program.lastName);
}

// The names a list must show first and last: its Data.dat loaded and sorted by name, ascending,
// by the menu's own code, as the menu does at start (ANSI, as the list answers).
std::pair<std::string, std::string> FirstAndLastNames(const std::string& dataFile) {
    menu::EntryModel entries;
    if (menu::LoadList(dataFile, entries) != ERROR_SUCCESS ||
        !menu::SortEntries(entries, menu::EntryField::Name, false)) {
        Die("cannot load and sort " + dataFile);
    }
    if (entries.Empty()) {
        return {};
    }
    return {AnsiFromUtf8(entries[0].Name()), AnsiFromUtf8(entries[entries.Size() - 1].Name())};
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
    // The program's own effect is polled for: a window of its class, visible, its list answering.
    while (!Ready(program, info.dwProcessId)) {
        if (NowMs() - started > kTimeoutMs || ::WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0) {
            Die(program.label + " did not show its window with the rows expected");
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
    const int rounds = std::max(argc > 4 ? std::atoi(argv[4]) : kDefaultRounds, 1);
    MakeFolderOrDie(work);

    std::vector<Program> programs;
    programs.push_back({"minimal window", CopyInto(work + "minimal", argv[2]), "MinimalWindow", -1, "", ""});
    for (const int entries : kListSizes) {
        const std::string folder = work + "list" + std::to_string(entries);
        const std::string dataFile = folder + "\\Data.dat";
        const std::string exe = CopyInto(folder, menuExe);
        WriteFileOrDie(dataFile, MakeListText(static_cast<std::size_t>(entries)));
        auto [first, last] = FirstAndLastNames(dataFile);
        programs.push_back({LabelOf(entries), exe, "frmMain", entries, std::move(first), std::move(last)});
    }

    // One start of each before measuring: the first start of a program pays for loading it from disk.
    for (const Program& program : programs) {
        Start(program);
    }
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, std::vector<double>> peaks;  // MB
    for (int round = 0; round < rounds; ++round) {
        for (const Program& program : programs) {
            const StartResult result = Start(program);
            times[program.label].push_back(result.ms);
            peaks[program.label].push_back(static_cast<double>(result.peakWorkingSet) / (1024.0 * 1024.0));
        }
    }

    const std::vector<double>& minimal = times["minimal window"];
    const std::vector<double>& empty = times[LabelOf(0)];
    PrintRow("start, minimal window", MsSpread(SpreadOf(minimal)), "1.00x of minimal window", "");
    PrintRow("start, " + LabelOf(0), MsSpread(SpreadOf(empty)),
             RatioSpread(SpreadOf(RatiosOf(empty, minimal))) + " of minimal window", "<= 1.8x");
    const std::map<int, std::string> startGoals = {{10'000, "<= 1.1x"}, {100'000, "<= 1.5x"}};
    for (const int entries : kListSizes) {
        if (entries == 0) {
            continue;
        }
        const std::vector<double>& menu = times[LabelOf(entries)];
        const auto goal = startGoals.find(entries);
        PrintRow("start, " + LabelOf(entries), MsSpread(SpreadOf(menu)),
                 RatioSpread(SpreadOf(RatiosOf(menu, empty))) + " of empty menu",
                 goal == startGoals.end() ? "" : goal->second);
    }
    const std::vector<double>& emptyPeak = peaks[LabelOf(0)];
    PrintRow("peak working set, " + LabelOf(0), SpreadText(SpreadOf(emptyPeak), "MB"),
             RatioSpread(SpreadOf(RatiosOf(emptyPeak, peaks["minimal window"]))) + " of minimal window", "");
    const std::vector<double>& fullPeak = peaks[LabelOf(10'000)];
    PrintRow("peak working set, " + LabelOf(10'000), SpreadText(SpreadOf(fullPeak), "MB"),
             RatioSpread(SpreadOf(RatiosOf(fullPeak, emptyPeak))) + " of empty menu", "<= 1.15x");
    return 0;
}
