// What the Windows benchmark programs share: a clock, the median of repeated runs, test lists and
// table rows in the form bench/run.sh collects.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace corvane::bench {

// Milliseconds since an arbitrary start, from the performance counter.
double NowMs();

// The middle value (of an even count, the upper middle one).
double Median(std::vector<double> values);

// Runs `measure` `repetitions` times and gives the median of what it returned.
double MedianOf(int repetitions, const std::function<double()>& measure);

// The median of repeated measurements with the lowest and highest beside it: on a shared machine
// the spread tells whether a median can be trusted.
struct Spread {
    double median = 0;
    double lowest = 0;
    double highest = 0;
};
Spread SpreadOf(std::vector<double> values);

// Each value divided by the base measured in the same round, so that a round slowed by the machine
// slows both sides of its ratio alike.
std::vector<double> RatiosOf(const std::vector<double>& values, const std::vector<double>& bases);

// The Data.dat text of `entries` entries with mixed-case names in random order (a fixed seed, so
// every run sorts the same list), such as users keep: name, target file, switch.
std::string MakeListText(std::size_t entries);

// Writes `contents` to `path`, replacing it; exits the program with a message when it cannot.
void WriteFileOrDie(const std::string& path, const std::string& contents);

// Creates the folder unless it exists; exits the program with a message when it cannot.
void MakeFolderOrDie(const std::string& path);

// Prints one table row: what was measured, the measured value, what it is compared with, the ratio
// and the goal ("" when there is none). Values are printed as given, with their unit.
void PrintRow(const std::string& what, const std::string& value, const std::string& ratio,
              const std::string& goal);

// A duration in milliseconds as text ("12.3 ms"), and a ratio ("1.07x").
std::string Ms(double milliseconds);
std::string Ratio(double value, double base);

// A spread as text: "12.3 ms (11.0-15.2)", "1.07x (0.98-1.20)", or any unit: "33.5 MB (33.1-34.0)".
std::string MsSpread(const Spread& spread);
std::string RatioSpread(const Spread& spread);
std::string SpreadText(const Spread& spread, const char* unit);

[[noreturn]] void Die(const std::string& what);

}  // namespace corvane::bench
