// Every text the menu program shows, in one place, character for character.
#pragma once

namespace corvane::menu::texts {

inline constexpr const char* kProgramTitle = "Corvane";

// Entry list.
inline constexpr const char* kLoadingData = "Loading data . . .";
inline constexpr const char* kDataLoaded = "Data loaded.";
inline constexpr const char* kErrorSavingList = "Error saving list : ";
inline constexpr const char* kErrorLoadingList = "Error loading list : ";

inline constexpr const char* kDataFileName = "Data.dat";

}  // namespace corvane::menu::texts
