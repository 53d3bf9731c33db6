// One keystroke in the find box over 100,000 entries: EntriesContaining against a plain scan of the
// same texts that folds each one with the same case folding and searches it. The goal is at most
// twice the plain scan.
#include "bench/PlainFoldingScan.h"
#include "menu/core/EntryFind.h"
#include "menu/core/EntryModel.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kEntries = 100'000;

// What is typed: one to three characters, ASCII and Cyrillic.
constexpr std::array<std::string_view, 4> kTyped = {"e", "Pl", "VIE", "бл"};

// Names in mixed case as users type them; about one in eight is not in ASCII.
std::string RandomName(std::mt19937& random) {
    static constexpr std::array<std::string_view, 8> kWords = {"Editor", "Player", "Backup", "Viewer",
                                                               "Tool",   "Notes",  "Paint",  "Archive"};
    static constexpr std::array<std::string_view, 6> kOtherWords = {"Блокнот", "Редактор", "Εργαλείο",
                                                                    "Éditeur", "Lecteur",  "メモ帳"};
    std::string name(random() % 8 == 0 ? kOtherWords[random() % kOtherWords.size()]
                                       : kWords[random() % kWords.size()]);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z' && random() % 4 == 0) {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return name + " " + std::to_string(random() % 100000);
}

// The same model for every benchmark: both sides scan the very same texts.
const corvane::menu::EntryModel& BenchEntries() {
    static const corvane::menu::EntryModel entries = [] {
        std::mt19937 random(42);
        corvane::menu::EntryModel made;
        made.Reserve(kEntries);
        for (std::size_t i = 0; i < kEntries; ++i) {
            const std::string name = RandomName(random);
            made.Append(name, "My Programs\\" + RandomName(random) + "\\app.exe", "");
        }
        return made;
    }();
    return entries;
}

void PlainScan(benchmark::State& state) {
    const std::string_view typed = kTyped[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(typed));  // bench/run.sh names its rows by it
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::bench::PlainFoldingScan(BenchEntries(), typed));
    }
}

void FindEntries(benchmark::State& state) {
    const std::string_view typed = kTyped[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(typed));
    if (corvane::menu::EntriesContaining(BenchEntries(), typed) !=
        corvane::bench::PlainFoldingScan(BenchEntries(), typed)) {
        state.SkipWithError("the find and the plain scan disagree");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::menu::EntriesContaining(BenchEntries(), typed));
    }
}

}  // namespace

BENCHMARK(PlainScan)->DenseRange(0, kTyped.size() - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(FindEntries)->DenseRange(0, kTyped.size() - 1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
