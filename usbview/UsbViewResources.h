// Resource numbers of usbview.exe (included by usbview.rc and the code).
#pragma once

#define IDA_USBVIEW 200          // the window's keys
#define IDC_USBVIEW_COPY 110     // Ctrl+C and "&Copy Details": the selected device's details to the clipboard
#define IDC_USBVIEW_REFRESH 111  // F5 and "&Refresh": the devices are read again
