// What the support tools' windows (the format utility, the USB viewer) share: messages to the user,
// control texts and the help page, all through the wide Windows functions with UTF-8 texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvane::support {

// A message box owned by `owner`; returns the button pressed (IDOK, IDYES, IDNO, IDCANCEL).
int ShowMessage(HWND owner, std::string_view text, std::string_view title, UINT style);

// Sets the text of a window or of the control `id` of a window.
void SetText(HWND window, std::string_view text);
void SetControlText(HWND parent, int id, std::string_view text);

// The help file the support tools travel with: Corvane.chm in the folder of the running program.
std::string HelpFilePath();

// Opens a page of the help file ("utility.html") with Windows' help viewer. When the viewer cannot
// be started the user is told why, in a message box titled `title`.
void OpenHelpPage(HWND owner, std::string_view page, std::string_view title);

}  // namespace corvane::support
