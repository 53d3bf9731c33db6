// Resource numbers of Utility.exe (included by Utility.rc and the code).
#pragma once

#define IDA_UTILITY 200          // the window's keys
#define IDC_UTILITY_REFRESH 110  // F5 and "&Refresh": the drives are read again
