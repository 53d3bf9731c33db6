// Data.dat saving of 100,000 entries against the plain write of the same bytes in one call. The goal
// is at most twice the plain write.
#include "menu/core/DataFile.h"
#include "menu/core/DataFileEncoding.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kEntries = 100'000;

using corvane::menu::EntryFields;

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Entries as users keep them: short names, a target under My Programs, sometimes a switch.
std::vector<EntryFields> MakeEntries() {
    static constexpr std::array<std::string_view, 6> kWords = {"Editor", "Player", "Backup",
                                                               "Viewer", "Tool",   "Notes"};
    std::mt19937 random(42);
    std::vector<EntryFields> entries;
    for (std::size_t i = 0; i < kEntries; ++i) {
        const std::string name =
            std::string(kWords[random() % kWords.size()]) + " " + std::to_string(random() % 100000);
        entries.push_back(
            {name, "My Programs\\" + name + "\\" + std::string(kWords[random() % kWords.size()]) + ".exe",
             i % 4 == 0 ? "/portable" : ""});
    }
    return entries;
}

std::string FilePath() {
    return std::string(std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp") +
           "/corvane-bench-Data.dat";
}

void WriteAll(const std::string& path, std::string_view contents) {
    const UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (std::fwrite(contents.data(), 1, contents.size(), file.get()) != contents.size()) {
        throw std::runtime_error("short write of " + path);
    }
}

void PlainWrite(benchmark::State& state) {
    const std::string path = FilePath();
    const std::string contents = corvane::menu::EncodeRecords(MakeEntries());
    for (auto _ : state) {
        WriteAll(path, contents);
    }
}

// Encoding every entry, with the choice of the file's encoding, and writing the result in one call,
// as the menu saves its list. The entries are plain ASCII: their file is the one earlier versions wrote.
void SaveEntries(benchmark::State& state) {
    const std::string path = FilePath();
    const std::vector<EntryFields> entries = MakeEntries();
    std::vector<std::string_view> fields;
    std::size_t bytes = 0;
    for (const EntryFields& entry : entries) {
        for (const std::string& field : entry) {
            bytes += field.size() + 2;
        }
    }
    for (auto _ : state) {
        corvane::menu::DataFileWriter file;
        file.Reserve(bytes);
        for (const EntryFields& entry : entries) {
            fields.assign(entry.begin(), entry.end());
            file.Append(fields);
        }
        WriteAll(path, file.Bytes());
    }
}

}  // namespace

BENCHMARK(PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveEntries)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
