// The log the stand-ins of the Kindel tests append to: one line per event,
// "event|program|show command|current folder|command line".
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::test {

inline constexpr const char* kStartLogVariable = "CORVANE_START_LOG";
inline constexpr const char* kReleaseEventVariable = "CORVANE_REGISTRAR_RELEASE";
// The exit code the registrar stand-in ends with (0 when unset).
inline constexpr const char* kRegistrarExitCodeVariable = "CORVANE_REGISTRAR_EXIT_CODE";
inline constexpr const char* kStarted = "started";
inline constexpr const char* kEnded = "ended";

struct StartLogLine {
    std::string event;
    std::string program;      // the stand-in's own path
    std::string showCommand;  // the window show command it was given (SW_...), empty when none
    std::string currentFolder;
    std::string commandLine;  // the whole command line it was given
};

inline std::string FormatStartLogLine(const StartLogLine& line) {
    return line.event + "|" + line.program + "|" + line.showCommand + "|" + line.currentFolder + "|" +
           line.commandLine + "\n";
}

inline std::vector<StartLogLine> ParseStartLog(std::string_view text) {
    std::vector<StartLogLine> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            break;  // a line still being written
        }
        std::string_view rest = text.substr(0, end);
        text.remove_prefix(end + 1);
        StartLogLine line;
        // The command line comes last and takes the rest, whatever it holds.
        for (std::string* field : {&line.event, &line.program, &line.showCommand, &line.currentFolder}) {
            const auto bar = rest.find('|');
            *field = std::string(rest.substr(0, bar));
            rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        }
        line.commandLine = std::string(rest);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace corvane::test
