#include "bench/BenchSupport.h"

#include "common/FileContents.h"
#include "menu/core/DataFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>
#include <utility>

namespace corvane::bench {

double NowMs() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double MedianOf(int repetitions, const std::function<double()>& measure) {
    std::vector<double> results;
    for (int i = 0; i < repetitions; ++i) {
        results.push_back(measure());
    }
    return Median(std::move(results));
}

Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) {
        return {};
    }
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

std::vector<double> RatiosOf(const std::vector<double>& values, const std::vector<double>& bases) {
    if (values.size() != bases.size()) {
        Die("ratios of rounds that do not pair up");
    }
    std::vector<double> ratios;
    for (std::size_t round = 0; round < values.size(); ++round) {
        ratios.push_back(bases[round] > 0 ? values[round] / bases[round] : 0.0);
    }
    return ratios;
}

std::string MakeListText(std::size_t entries) {
    static constexpr std::array<std::string_view, 8> kWords = {"Editor", "player", "Backup", "viewer",
                                                               "Tool",   "Games",  "office", "Notes"};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> word(0, kWords.size() - 1);
    std::uniform_int_distribution<int> number(0, 99999);
    std::string text;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string name = std::string(kWords[word(random)]) + " " + std::to_string(number(random));
        const std::string target = "My Programs\\" + name + "\\" + std::string(kWords[word(random)]) + ".exe";
        const std::array<std::string_view, 3> fields = {name, target, i % 4 == 0 ? "/portable" : ""};
        menu::AppendRecord(text, fields);
    }
    return text;
}

void WriteFileOrDie(const std::string& path, const std::string& contents) {
    if (ReplaceFileContents(path, contents) != ERROR_SUCCESS) {
        Die("cannot write " + path);
    }
}

void MakeFolderOrDie(const std::string& path) {
    if (!::CreateDirectoryA(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        Die("cannot create " + path);
    }
}

void PrintRow(const std::string& what, const std::string& value, const std::string& ratio,
              const std::string& goal) {
    std::printf("| %s | %s | %s | %s |\n", what.c_str(), value.c_str(), ratio.c_str(), goal.c_str());
    std::fflush(stdout);
}

std::string Ms(double milliseconds) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f ms", milliseconds);
    return text.data();
}

std::string Ratio(double value, double base) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2fx", base > 0 ? value / base : 0.0);
    return text.data();
}

std::string SpreadText(const Spread& spread, const char* unit) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.1f %s (%.1f-%.1f)", spread.median, unit, spread.lowest,
                  spread.highest);
    return text.data();
}

std::string MsSpread(const Spread& spread) {
    return SpreadText(spread, "ms");
}

std::string RatioSpread(const Spread& spread) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.2fx (%.2f-%.2f)", spread.median, spread.lowest,
                  spread.highest);
    return text.data();
}

void Die(const std::string& what) {
    std::fprintf(stderr, "benchmark failed: %s (error %lu)\n", what.c_str(), ::GetLastError());
    std::exit(1);
}

}  // namespace corvane::bench
