// frmUsbView: the USB viewer's window. A tree of the USB controllers, hubs and devices attached, the
// details of the selected one beside it, and a button (and Ctrl+C) that copies those details. The
// tree follows devices as they arrive and leave.
#pragma once

#include "common/UniqueHandle.h"
#include "support/ToolWindow.h"
#include "usbview/DeviceHandles.h"
#include "usbview/DeviceSource.h"
#include "usbview/UsbViewResources.h"
#include "usbview/core/DeviceTree.h"
#include "usbview/core/UsbViewTexts.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane::usbview {

class frmUsbView : public support::ToolWindow<frmUsbView> {
  public:
    enum ControlId {
        lblTree = 101,                     // caption of the tree, with its mnemonic
        tvDevices,                         // the tree
        lblDetails,                        // caption of the details
        txtDetails,                        // the selected device's details
        lblStatus,                         // how many devices, or that there are none
        cmdCopy = IDC_USBVIEW_COPY,        // "&Copy Details" (Ctrl+C)
        cmdRefresh = IDC_USBVIEW_REFRESH,  // "&Refresh" (F5)
    };  // and the tool window's cmdHelp (F1), cmdAbout and cmdClose (Escape)

    static constexpr support::ToolDescription kTool = {texts::kProgramTitle, texts::kHelpPage, 9600, 5640};

    // A device change is acted on this long after the last of a burst of them.
    static constexpr UINT kRefreshDelayMs = 400;

    // `source` lists the devices; `onClosed` runs once the window is gone (the program ends there).
    frmUsbView(DeviceSource source, std::function<void()> onClosed);

    // Reads the devices again; the selected device stays selected when it is still attached.
    void RefreshDevices();

    // The devices as shown and the selected one (for the tests).
    [[nodiscard]] const std::vector<DeviceRecord>& Devices() const noexcept { return records_; }
    [[nodiscard]] std::optional<std::size_t> SelectedDevice() const;
    bool SelectDevice(const std::string& instanceId);

    static const char* ClassName() { return "CorvaneUsbView"; }

    // The tool window's hooks.
    static std::span<const ControlSpec> Controls();
    void OnCreate();
    void OnCommand(int id);
    void OnNotify(const NMHDR& header);
    bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    void ListenForDevices();
    void FillTree();
    void OnCopy();
    void ShowSelectedDetails();
    void SetStatus(const std::string& text);

    DeviceSource source_;
    std::vector<DeviceRecord> records_;
    std::array<UniqueDeviceNotification, 2> notifications_;
};

}  // namespace corvane::usbview
