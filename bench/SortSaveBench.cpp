// Sorting 10,000 entries by a column and the save that follows, in a real list view, against the
// save alone; both in turn, round after round. The list view is filled by the menu's own load.
//
//   bench_sort_save <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "common/UniqueHandle.h"
#include "menu/EntryList.h"
#include "menu/ListSorting.h"

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace corvane::bench {
namespace {

constexpr std::size_t kEntries = 10'000;

UniqueHandle<handle_traits::Window> MakeListView() {
    UniqueHandle<handle_traits::Window> list(::CreateWindowExA(
        0, WC_LISTVIEWA, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 600,
        400, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    if (!list) {
        Die("cannot create the list view");
    }
    std::array<char, 32> title{};
    for (int column = 0; column < 3; ++column) {
        std::snprintf(title.data(), title.size(), "Column %d", column + 1);
        LVCOLUMNA item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH;
        item.cx = 180;
        item.pszText = title.data();
        ::SendMessageA(list.get(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&item));
    }
    return list;
}

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
    using namespace corvane::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_sort_save <work folder> [rounds]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 9;
    MakeFolderOrDie(work);
    const std::string dataFile = work + "\\Data.dat";
    WriteFileOrDie(dataFile, MakeListText(kEntries));

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const auto list = MakeListView();
    if (corvane::menu::LoadList(dataFile, list.get()) != ERROR_SUCCESS) {
        Die("cannot load " + dataFile);
    }

    std::vector<double> saveAlone;
    std::vector<double> sortAndSave;
    for (int round = 0; round < rounds; ++round) {
        double started = NowMs();
        if (corvane::menu::SaveList(dataFile, list.get()) != ERROR_SUCCESS) {
            Die("cannot save " + dataFile);
        }
        saveAlone.push_back(NowMs() - started);
        // Name and target file in turn, each way in turn: every sort moves the rows.
        started = NowMs();
        corvane::menu::SortListView(list.get(), round % 2, round % 4 >= 2);
        if (corvane::menu::SaveList(dataFile, list.get()) != ERROR_SUCCESS) {
            Die("cannot save " + dataFile);
        }
        sortAndSave.push_back(NowMs() - started);
    }
    const double save = Median(saveAlone);
    const double both = Median(sortAndSave);
    PrintRow("save, 10000 entries", Ms(save), "1.00x of save", "");
    PrintRow("sort by a column + save, 10000 entries", Ms(both), Ratio(both, save) + " of save", "< 100 ms");
    return 0;
}
