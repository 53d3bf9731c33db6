// Resource numbers of usbview.exe (included by usbview.rc and the code).
#pragma once

#define IDA_USBVIEW 200          // the window's keys
#define IDC_USBVIEW_COPY 110     // Ctrl+C and "&Copy Details": the selected device's details to the clipboard
#define IDC_USBVIEW_REFRESH 111  // F5 and "&Refresh": the devices are read again
#define IDC_USBVIEW_HELP 112     // F1 and "&Help": the USB viewer's help page
