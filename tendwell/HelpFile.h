// Opening a page of the help file that travels beside the wizard in the Support folder.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::tendwell {

// The help file beside the program in `programFolder` ("E:\Support\Corvane.chm").
std::string HelpFilePath(const std::string& programFolder);

// Opens `page` of `helpFile` in the system's help viewer (hh.exe of the Windows folder, never one
// on the stick); says so in a message box when the help file is not there.
void OpenHelpPage(HWND owner, const std::string& helpFile, const std::string& page);

}  // namespace corvane::tendwell
