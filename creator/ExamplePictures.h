// The pictures of the two example windows: where Windows shows the action label and the volume
// label of a prepared drive.
#pragma once

#include <windows.h>

namespace corvane::creator {

// An AutoPlay dialog of a drive whose first choice is the menu's action, framed in red.
void DrawActionExample(HDC dc, const RECT& area);

// A file manager's list of drives, with a prepared drive under its volume label, framed in red.
void DrawVolumeExample(HDC dc, const RECT& area);

}  // namespace corvane::creator
