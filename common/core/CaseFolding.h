// Letter case ignored as Unicode's simple case folding does it: every code point folds to one code
// point ("Ä" to "ä", "Σ" and "ς" to "σ", "Ж" to "ж"), the same in every language. Folds that need
// more than one code point ("ß" to "ss") and those of one language only (Turkish dotted and dotless
// i) are left out: a find must give the same answer on every machine.
#pragma once

#include "common/core/Utf8Units.h"

#include <string>
#include <string_view>

namespace corvane {

// The folded code point; anything that is not a cased letter (and a lone byte's unit value) stays.
char32_t FoldCaseBeyondAscii(char32_t c) noexcept;

inline char32_t FoldCase(char32_t c) noexcept {
    if (c < 0x80) {
        return c - U'A' < 26u ? c + (U'a' - U'A') : c;
    }
    return FoldCaseBeyondAscii(c);
}

// The unit at `at` (before the end), folded. ASCII, most of what menus hold, is folded here
// without decoding.
inline Utf8Unit FoldedUnitAt(std::string_view text, std::size_t at) noexcept {
    const Utf8Unit unit = DecodeUnit(text, at);
    return {FoldCase(unit.value), unit.length};
}

// Whether some code point beyond ASCII folds to this ASCII one ("ſ" to "s", the Kelvin sign to
// "k"), so that a search for it cannot skip the bytes of other characters.
bool HasFoldsFromBeyondAscii(char32_t ascii) noexcept;

// `text` with every unit folded, lone bytes as they are; replaces what `folded` held, so that one
// buffer serves many texts.
void FoldCaseInto(std::string_view text, std::string& folded);

}  // namespace corvane
