// Reading a drive's Autorun.inf: its text whatever the encoding it was written in, its entries, the
// labels it gives the drive, whether it is the file Stickwright writes and which of its entries
// start a program other than Kindel.exe.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::tendwell {

// The file as UTF-8: UTF-16LE when it starts with that byte order mark (FF FE), otherwise text in
// the ANSI code page, which `utf8FromAnsi` converts. A lone surrogate becomes U+FFFD.
std::string AutorunTextFromBytes(std::string_view bytes,
                                 const std::function<std::string(std::string_view)>& utf8FromAnsi);

struct InfEntry {
    std::string section;  // as written, without the brackets
    std::string key;      // trimmed
    std::string value;    // everything after the first "=", as written
    std::string line;     // the whole line as written, for the list of changes
};

// The key=value lines of the file with their sections. Comments (;) and lines without "=" are left
// out; CR LF, LF and CR all end a line.
std::vector<InfEntry> ParseInf(std::string_view text);

// The sections Windows reads on a drive: [autorun] and its per-processor forms ([autorun.amd64]).
bool IsAutorunSection(std::string_view section);

struct AutorunLabels {
    std::string action;
    std::string volume;
    [[nodiscard]] bool Empty() const { return action.empty() && volume.empty(); }
};

// The labels the file gives: Label= for the drive, action= for the action (shell\menu= when it has
// no action=). The first of each counts, as for Windows.
AutorunLabels LabelsOf(const std::vector<InfEntry>& entries);

// True when `text` is exactly what Stickwright writes for the labels it holds.
bool IsCreatorsAutorun(std::string_view text);

// The entries that start a program when Windows acts on the file (open=, ShellExecute= and
// shell\<verb>\command=) and name anything but Kindel.exe of the drive's root.
std::vector<InfEntry> ForeignStarts(const std::vector<InfEntry>& entries);

}  // namespace corvane::tendwell
