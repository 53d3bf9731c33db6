#include "AnsiText.h"

#include <algorithm>
#include <charconv>

namespace corvane {
namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Calls `visit` with the position and first byte of each character, until it returns false. A lead
// byte at the very end (a cut text) counts as a character of its own.
template <typename Visit>
void ForEachCharacter(std::string_view text, LeadByteTest isLead, Visit visit) {
    for (std::size_t at = 0; at < text.size(); at += isLead(text[at]) && at + 1 < text.size() ? 2u : 1u) {
        if (!visit(at, text[at])) {
            return;
        }
    }
}

}  // namespace

bool NoLeadBytes(char) {
    return false;
}

std::size_t FindCharacter(std::string_view text, char c, std::size_t from, LeadByteTest isLead) {
    std::size_t found = std::string_view::npos;
    ForEachCharacter(text, isLead, [&](std::size_t at, char character) {
        if (at >= from && character == c) {
            found = at;
            return false;
        }
        return true;
    });
    return found;
}

std::size_t FindLastCharacter(std::string_view text, char c, LeadByteTest isLead) {
    std::size_t found = std::string_view::npos;
    ForEachCharacter(text, isLead, [&](std::size_t at, char character) {
        if (character == c) {
            found = at;
        }
        return true;
    });
    return found;
}

bool EndsWithCharacter(std::string_view text, char c, LeadByteTest isLead) {
    const std::size_t last = FindLastCharacter(text, c, isLead);
    return last != std::string_view::npos && last + 1 == text.size();
}

std::string LineBreaksToSpaces(std::string_view text) {
    std::string result(text);
    std::replace_if(
        result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

std::string ToLowerAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
    return result;
}

std::string ToUpperAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
    return result;
}

std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view what, std::string_view with) {
    if (what.empty()) {
        return std::string(text);
    }
    const auto sameLetter = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
    std::string result;
    result.reserve(text.size());
    auto rest = text.begin();
    while (true) {
        const auto hit = std::search(rest, text.end(), what.begin(), what.end(), sameLetter);
        result.append(rest, hit);
        if (hit == text.end()) {
            break;
        }
        result.append(with);
        rest = hit + static_cast<std::ptrdiff_t>(what.size());
    }
    return result;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace corvane
