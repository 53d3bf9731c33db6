// The log the stand-ins of the Kindel tests append to: one line per event, "event|program|command line".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

inline constexpr const char* kStartLogVariable = "CORVANE_START_LOG";
inline constexpr const char* kReleaseEventVariable = "CORVANE_REGISTRAR_RELEASE";
inline constexpr const char* kStarted = "started";
inline constexpr const char* kEnded = "ended";

struct StartLogLine {
    std::string event;
    std::string program;      // the stand-in's own path
    std::string commandLine;  // the whole command line it was given
};

inline std::string FormatStartLogLine(std::string_view event, std::string_view program,
                                      std::string_view commandLine) {
    return std::string(event) + "|" + std::string(program) + "|" + std::string(commandLine) + "\n";
}

inline std::vector<StartLogLine> ParseStartLog(std::string_view text) {
    std::vector<StartLogLine> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto first = line.find('|');
        const auto second = line.find('|', first == std::string_view::npos ? line.size() : first + 1);
        if (second == std::string_view::npos) {
            continue;  // not a whole line
        }
        lines.push_back({std::string(line.substr(0, first)),
                         std::string(line.substr(first + 1, second - first - 1)),
                         std::string(line.substr(second + 1))});
    }
    return lines;
}

}  // namespace corvane::test
