// Sorting 10,000 entries by a column and the save that follows, against the save alone; both in
// turn, round after round, and the ratio taken within each round. The window's own save, which also
// compares the list with the one it replaces and keeps that as a version when the entries changed,
// is measured the same way: after a re-sort (compared, nothing kept) and after an addition (kept). The
// entries are the menu's own model, filled by its own load; the list view shows a view of them and only
// repaints after a sort, which is not measured here.
//
//   bench_sort_save <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "menu/EntryList.h"
#include "menu/ListHistory.h"
#include "menu/ListSorting.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::size_t kEntries = 10'000;
}  // namespace

int main(int argc, char** argv) {
    using namespace corvane::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_sort_save <work folder> [rounds]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int rounds = std::max(argc > 2 ? std::atoi(argv[2]) : 9, 1);
    MakeFolderOrDie(work);
    const std::string dataFile = work + "\\Data.dat";
    WriteFileOrDie(dataFile, MakeListText(kEntries));

    corvane::menu::EntryModel entries;
    if (corvane::menu::LoadList(dataFile, entries) != ERROR_SUCCESS) {
        Die("cannot load " + dataFile);
    }

    std::vector<double> saveAlone;
    std::vector<double> sortAndSave;
    std::vector<double> sortAndHistorySave;
    std::vector<double> addAndHistorySave;
    for (int round = 0; round < rounds; ++round) {
        double started = NowMs();
        if (corvane::menu::SaveList(dataFile, entries) != ERROR_SUCCESS) {
            Die("cannot save " + dataFile);
        }
        saveAlone.push_back(NowMs() - started);
        // Name and target file in turn, each way in turn: every sort moves the rows.
        started = NowMs();
        if (!corvane::menu::SortEntries(entries, static_cast<corvane::menu::EntryField>(round % 2),
                                        round % 4 >= 2)) {
            Die("cannot sort the entries");
        }
        if (corvane::menu::SaveList(dataFile, entries) != ERROR_SUCCESS) {
            Die("cannot save " + dataFile);
        }
        sortAndSave.push_back(NowMs() - started);

        started = NowMs();
        if (!corvane::menu::SortEntries(entries, static_cast<corvane::menu::EntryField>(round % 2),
                                        round % 4 < 2) ||
            corvane::menu::SaveListKeepingHistory(work, entries) != ERROR_SUCCESS) {
            Die("cannot sort and save " + dataFile);
        }
        sortAndHistorySave.push_back(NowMs() - started);

        started = NowMs();
        entries.Append("Added " + std::to_string(round), "Apps\\added.exe", "");
        if (corvane::menu::SaveListKeepingHistory(work, entries) != ERROR_SUCCESS) {
            Die("cannot save " + dataFile);
        }
        addAndHistorySave.push_back(NowMs() - started);
    }
    PrintRow("save, 10000 entries", MsSpread(SpreadOf(saveAlone)), "1.00x of save", "");
    PrintRow("sort by a column + save, 10000 entries", MsSpread(SpreadOf(sortAndSave)),
             RatioSpread(SpreadOf(RatiosOf(sortAndSave, saveAlone))) + " of save", "<= 1.5x");
    PrintRow("sort + save with the history's check, 10000 entries", MsSpread(SpreadOf(sortAndHistorySave)),
             RatioSpread(SpreadOf(RatiosOf(sortAndHistorySave, saveAlone))) + " of save", "");
    PrintRow("add + save keeping a version, 10000 entries", MsSpread(SpreadOf(addAndHistorySave)),
             RatioSpread(SpreadOf(RatiosOf(addAndHistorySave, saveAlone))) + " of save", "");
    return 0;
}
