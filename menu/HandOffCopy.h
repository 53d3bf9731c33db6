// Both sides of an eject's hand-off (menu/core/EjectHandOff.h). The menu copies its own file to the
// user's temporary folder and starts the copy, then ends; the copy waits for the menu to end, asks
// Windows to eject the drive and says how that went.
//
// The copy cannot delete its own running file. Stale copies are swept instead: by every later
// menu once its window shows, by every new hand-off, and where Windows allows it (an administrator)
// at the next restart. A copy still running cannot be deleted, so a sweep never disturbs one.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvane::menu {

// How the menu hands the eject of a drive over (a stand-in in tests).
class EjectHandOff {
  public:
    EjectHandOff() = default;
    EjectHandOff(const EjectHandOff&) = delete;
    EjectHandOff& operator=(const EjectHandOff&) = delete;
    virtual ~EjectHandOff() = default;

    // Starts the eject of `drive` ('A' to 'Z') outside the drive; ERROR_SUCCESS or the Win32 error.
    virtual DWORD Start(char drive) = 0;
};

// The real one: a copy of the running program in the temporary folder.
class TempCopyHandOff final : public EjectHandOff {
  public:
    DWORD Start(char drive) override;
};

// Deletes the hand-off copies in the temporary folder that nothing runs any more, but `keep`.
void SweepHandOffCopies(const std::string& keep = {});

// The copy's side, when the program was started with the hand-off switch (`arguments` as after
// the program's name). Acts only on a valid request to a hand-off copy in the temporary folder for
// another drive that is removable; anything else ends at once, doing nothing. Returns the
// program's exit code: 0 ejected, 1 not ejected, 2 refused.
int RunEjectHandOff(std::string_view arguments);

}  // namespace corvane::menu
