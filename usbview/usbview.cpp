// usbview.exe, the USB viewer: the USB controllers, hubs and devices attached, as a tree, with each
// device's details to read and copy.
#include "support/ProgramMain.h"
#include "usbview/UsbViewResources.h"
#include "usbview/frmUsbView.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    using corvane::usbview::frmUsbView;
    return corvane::support::RunProgramWindow<frmUsbView>(
        showCommand, ICC_TREEVIEW_CLASSES, IDA_USBVIEW,
        corvane::usbview::DeviceSource(&corvane::usbview::ReadUsbDevices));
}
