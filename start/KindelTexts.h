// Every text the start program shows, in one place, character for character.
#pragma once

namespace corvane::start::texts {

inline constexpr const char* kCaption = "Kindel";
inline constexpr const char* kPreparing = "Preparing for first use on this Computer";
inline constexpr const char* kPleaseWait = "Please Wait....";

}  // namespace corvane::start::texts
