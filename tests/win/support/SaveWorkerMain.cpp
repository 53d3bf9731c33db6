// Saves two lists over one Data.dat in turn, forever, until it is killed:
//   corvane_save_worker.exe FILE ROWS
// Signals the event named "CorvaneSaveWorkerSaving" once the first save is done.
#include "menu/EntryList.h"
#include "tests/win/support/SaveWorkerLists.h"
#include "tests/win/support/TestEntries.h"

#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    const std::string file = argv[1];
    const int rows = std::atoi(argv[2]);
    const auto first = corvane::test::EntriesOf(corvane::test::SaveWorkerList('A', rows));
    const auto second = corvane::test::EntriesOf(corvane::test::SaveWorkerList('B', rows));
    HANDLE saving = ::CreateEventA(nullptr, TRUE, FALSE, "CorvaneSaveWorkerSaving");
    for (bool signalled = false;; signalled = true) {
        corvane::menu::SaveList(file, first);
        corvane::menu::SaveList(file, second);
        if (!signalled) {
            ::SetEvent(saving);
        }
    }
}
