// One keystroke in the find box of the real menu window over 100,000 entries, in-process under
// Wine: from the box's new text (one character longer, as a keystroke makes it) until the narrowed
// list answers the text of its first row, against a plain folding scan of the same texts. The two
// go in turn, round after round, and each ratio is taken within its round.
//
//   bench_find_keystroke <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "bench/PlainFoldingScan.h"
#include "common/TextEncoding.h"
#include "menu/MenuResources.h"
#include "menu/frmMain.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace corvane::bench {
namespace {

constexpr std::size_t kEntries = 100'000;
constexpr int kDefaultRounds = 7;

// What is typed, the last character being the keystroke timed: every entry matches "e" (each target
// ends in ".exe"), about a quarter "Pl" and "VIE".
constexpr std::array<std::string_view, 3> kTyped = {"e", "Pl", "VIE"};

void PumpMessages() {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

std::string RowText(HWND listView, int row) {
    std::array<char, 1024> text{};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length =
        ::SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return {text.data(), static_cast<std::size_t>(length)};
}

void SetFindText(const menu::frmMain& menu, std::string_view text) {
    const std::string terminated(text);
    ::SendMessageA(menu.FindBoxHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

struct Keystroke {
    double ms = 0;
    std::string firstRow;
    int rows = 0;
};

// The box holds all but the last character when the keystroke comes; the box reports its change at
// once (EN_CHANGE), so the list has narrowed when WM_SETTEXT returns, and its first row's text is
// asked of the window as the list view would ask it to draw.
Keystroke Type(menu::frmMain& menu, std::string_view typed) {
    ::SendMessageA(menu.Hwnd(), WM_COMMAND, mnuFind, 0);
    SetFindText(menu, typed.substr(0, typed.size() - 1));
    PumpMessages();
    const double started = NowMs();
    SetFindText(menu, typed);
    Keystroke result;
    result.firstRow = RowText(menu.ListView(), 0);
    result.ms = NowMs() - started;
    result.rows = static_cast<int>(::SendMessageA(menu.ListView(), LVM_GETITEMCOUNT, 0, 0));
    PumpMessages();  // the repaint, not timed
    return result;
}

// What a keystroke must show: as many rows as the plain scan found, the first of them on top.
void CheckShown(const menu::EntryModel& entries, std::string_view typed, const Keystroke& shown,
                const std::vector<std::uint32_t>& expected) {
    const std::string first = expected.empty() ? "" : AnsiFromUtf8(entries[expected.front()].Name());
    if (shown.rows != static_cast<int>(expected.size()) || shown.firstRow != first) {
        Die("the list shows " + std::to_string(shown.rows) + " rows from \"" + shown.firstRow + "\" for \"" +
            std::string(typed) + "\", the plain scan " + std::to_string(expected.size()) + " from \"" +
            first + "\"");
    }
}

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
    using namespace corvane::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_find_keystroke <work folder> [rounds]\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "\\";
    const int rounds = std::max(argc > 2 ? std::atoi(argv[2]) : kDefaultRounds, 1);
    MakeFolderOrDie(folder);
    WriteFileOrDie(folder + "Data.dat", MakeListText(kEntries));

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    corvane::menu::frmMain menu(folder);
    if (!menu.Create()) {
        Die("cannot create the menu window");
    }
    PumpMessages();
    const corvane::menu::EntryModel& entries = menu.Entries();
    if (entries.Size() != kEntries) {
        Die("the menu holds " + std::to_string(entries.Size()) + " entries");
    }

    for (const std::string_view typed : kTyped) {
        std::vector<double> keystrokes;
        std::vector<double> scans;
        for (int round = 0; round < rounds; ++round) {
            // Which goes first alternates, so that neither always runs on a warmer cache.
            std::vector<std::uint32_t> found;
            Keystroke shown;
            double scanned = 0;
            for (int turn = 0; turn < 2; ++turn) {
                if ((turn + round) % 2 == 0) {
                    shown = Type(menu, typed);
                } else {
                    const double started = NowMs();
                    found = PlainFoldingScan(entries, typed);
                    scanned = NowMs() - started;
                }
            }
            CheckShown(entries, typed, shown, found);
            keystrokes.push_back(shown.ms);
            scans.push_back(scanned);
        }
        const std::string what = "\"" + std::string(typed) + "\" in 100000 entries";
        PrintRow("plain folding scan for " + what + ", in-process", MsSpread(SpreadOf(scans)),
                 "1.00x of plain scan", "");
        PrintRow("keystroke in the find box until the first row answers, " + what,
                 MsSpread(SpreadOf(keystrokes)),
                 RatioSpread(SpreadOf(RatiosOf(keystrokes, scans))) + " of plain scan", "<= 2x");
    }
    return 0;
}
