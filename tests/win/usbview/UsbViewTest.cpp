// The USB viewer's window in this process: the tree built from a stand-in device list (Wine reports
// no USB controller or device, see RealDevicesUnderWine), the details and their copy on the clipboard,
// and the refresh when devices arrive and leave.
#include "usbview/frmUsbView.h"

#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/Screenshot.h"
#include "usbview/core/UsbViewTexts.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <dbt.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <functional>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

using usbview::DeviceKind;
using usbview::DeviceRecord;
using usbview::frmUsbView;
namespace texts = usbview::texts;

DeviceRecord Record(std::string id, std::string parent, std::string name, DeviceKind kind) {
    DeviceRecord record;
    record.instanceId = std::move(id);
    record.parentId = std::move(parent);
    record.name = std::move(name);
    record.kind = kind;
    return record;
}

// A computer with one controller, its root hub, a stick (E:) and a hub with a mouse.
std::vector<DeviceRecord> OneStickAndAMouse() {
    DeviceRecord stick = Record("USB\\VID_0781&PID_5567\\4C530001", "USB\\ROOT_HUB30\\4&1",
                                "USB Mass Storage Device", DeviceKind::Device);
    stick.maker = "Compatible USB storage device";
    stick.hardwareIds = {"USB\\VID_0781&PID_5567&REV_0100"};
    stick.speed = usbview::UsbSpeed::High;
    stick.driveLetters = {'E'};
    return {
        Record("PCI\\VEN_8086&DEV_A36D\\3&1", "", "USB xHCI Compliant Host Controller",
               DeviceKind::Controller),
        Record("USB\\ROOT_HUB30\\4&1", "PCI\\VEN_8086&DEV_A36D\\3&1", "USB Root Hub (USB 3.0)",
               DeviceKind::Hub),
        stick,
        Record("USB\\VID_05E3&PID_0610\\5&2", "USB\\ROOT_HUB30\\4&1", "Generic USB Hub", DeviceKind::Hub),
        Record("USB\\VID_046D&PID_C52B\\6&3", "USB\\VID_05E3&PID_0610\\5&2", "USB Input Device",
               DeviceKind::Device),
    };
}

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text != 0; ++text) {
        narrow += static_cast<char>(*text < 128 ? *text : '?');
    }
    return narrow;
}

// The tree as the control shows it: each item's text indented two spaces per level.
std::string TreeOutline(HWND tree, HTREEITEM parent = nullptr, int depth = 0) {
    std::string outline;
    auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(
        tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    for (; item != nullptr; item = reinterpret_cast<HTREEITEM>(::SendMessageW(
                                tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        wchar_t text[512] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 512;
        ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        outline += std::string(static_cast<std::size_t>(depth) * 2, ' ') + Narrow(text) + "\n";
        outline += TreeOutline(tree, item, depth + 1);
    }
    return outline;
}

std::string ControlText(HWND parent, int id) {
    wchar_t text[4096] = {};
    ::GetDlgItemTextW(parent, id, text, 4096);
    return Narrow(text);
}

std::string ClipboardText() {
    std::string text;
    if (::OpenClipboard(nullptr)) {
        if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(::GlobalLock(data))) {
                text = Narrow(wide);
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
    }
    return text;
}

void PutOnClipboard(const wchar_t* text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text, bytes);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
}

// Lets the window's messages (its refresh timer among them) run until `done` or two seconds.
bool PumpUntil(const std::function<bool()>& done) {
    return PollUntil(
        [&] {
            MSG message{};
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
            return done();
        },
        2000);
}

class UsbViewTest : public ::testing::Test {
  protected:
    void Open(std::vector<DeviceRecord> devices) {
        devices_ = std::move(devices);
        window_ = std::make_unique<frmUsbView>([this] { return devices_; }, [] {});
        ASSERT_TRUE(window_->Create(SW_SHOWNORMAL));
        tree_ = ::GetDlgItem(window_->Hwnd(), frmUsbView::tvDevices);
    }
    // What the system sends when a device interface comes or goes (sent, as Windows does: these carry a
    // pointer and cannot be posted).
    void DeviceMessage(WPARAM event) {
        DEV_BROADCAST_DEVICEINTERFACE_W device{};
        device.dbcc_size = sizeof device;
        device.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        ::SendMessageW(window_->Hwnd(), WM_DEVICECHANGE, event,
                       event == DBT_DEVNODES_CHANGED ? 0 : reinterpret_cast<LPARAM>(&device));
    }
    void Command(int id) { ::SendMessageW(window_->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    std::vector<DeviceRecord> devices_;
    std::unique_ptr<frmUsbView> window_;
    HWND tree_ = nullptr;
};

TEST_F(UsbViewTest, ShowsControllersHubsAndDevicesAsATree) {
    Open(OneStickAndAMouse());
    EXPECT_EQ(TreeOutline(tree_),
              "USB xHCI Compliant Host Controller\n"
              "  USB Root Hub (USB 3.0)\n"
              "    USB Mass Storage Device (E:)\n"
              "    Generic USB Hub\n"
              "      USB Input Device\n");
    // The first controller is selected and its details shown; choosing the stick shows the stick's.
    EXPECT_EQ(window_->SelectedDevice(), 0u);
    EXPECT_EQ(ControlText(window_->Hwnd(), frmUsbView::txtDetails)
                  .rfind("Name: USB xHCI Compliant Host Controller\r\n", 0),
              0u);
    ASSERT_TRUE(window_->SelectDevice("USB\\VID_0781&PID_5567\\4C530001"));
    const std::string details = ControlText(window_->Hwnd(), frmUsbView::txtDetails);
    EXPECT_NE(details.find(
                  "Vendor ID: 0781\r\nProduct ID: 5567\r\nSpeed: High speed (480 Mbit/s)\r\nDrives: E:\r\n"),
              std::string::npos)
        << details;
    EXPECT_EQ(ControlText(window_->Hwnd(), frmUsbView::lblStatus), "5" + std::string(texts::kCounts));
    SaveWindowScreenshot(window_->Hwnd(), "usb-view");
}

TEST_F(UsbViewTest, CopiesTheSelectedDevicesDetails) {
    Open(OneStickAndAMouse());
    ASSERT_TRUE(window_->SelectDevice("USB\\VID_0781&PID_5567\\4C530001"));
    Command(frmUsbView::cmdCopy);
    EXPECT_EQ(ClipboardText(), usbview::DetailsText(devices_[2]));
    EXPECT_EQ(ControlText(window_->Hwnd(), frmUsbView::lblStatus), texts::kCopied);

    // Nothing to copy: the clipboard keeps what it held and the user is told why.
    window_.reset();
    PutOnClipboard(L"kept");
    Open({});
    EXPECT_EQ(TreeOutline(tree_), "");
    EXPECT_EQ(ControlText(window_->Hwnd(), frmUsbView::lblStatus), texts::kNoDevices);
    DialogAnswerer answerer(texts::kProgramTitle);
    Command(frmUsbView::cmdCopy);
    EXPECT_EQ(answerer.Result().text, texts::kNothingSelected);
    EXPECT_EQ(ClipboardText(), "kept");
}

TEST_F(UsbViewTest, FollowsDevicesThatArriveAndLeave) {
    std::vector<DeviceRecord> withoutMouse = OneStickAndAMouse();
    withoutMouse.pop_back();
    Open(withoutMouse);
    ASSERT_TRUE(window_->SelectDevice("USB\\VID_0781&PID_5567\\4C530001"));

    // The mouse arrives: the tree gains it after the burst of device messages, the selection stays.
    devices_ = OneStickAndAMouse();
    const WPARAM burst[] = {DBT_DEVNODES_CHANGED, DBT_DEVICEARRIVAL, DBT_DEVNODES_CHANGED};
    for (const WPARAM event : burst) {
        DeviceMessage(event);
    }
    EXPECT_TRUE(PumpUntil([&] { return window_->Devices().size() == 5; }));
    EXPECT_NE(TreeOutline(tree_).find("      USB Input Device\n"), std::string::npos);
    ASSERT_TRUE(window_->SelectedDevice().has_value());
    EXPECT_EQ(window_->Devices()[*window_->SelectedDevice()].instanceId, "USB\\VID_0781&PID_5567\\4C530001");

    // The stick leaves: its row goes and the selection moves to the top of the tree.
    devices_.erase(devices_.begin() + 2);
    DeviceMessage(DBT_DEVICEREMOVECOMPLETE);
    EXPECT_TRUE(PumpUntil([&] { return window_->Devices().size() == 4; }));
    EXPECT_EQ(TreeOutline(tree_).find("Mass Storage"), std::string::npos);
    EXPECT_EQ(window_->SelectedDevice(), 0u);
}

TEST_F(UsbViewTest, RealDevicesUnderWine) {
    // Wine 8 lists no USB controller, hub or device (no USB bus in its device tree here): the viewer
    // says so rather than showing an empty tree without a word. On Windows the list is the machine's.
    const std::vector<DeviceRecord> devices = usbview::ReadUsbDevices();
    Open(devices);
    if (devices.empty()) {
        EXPECT_EQ(ControlText(window_->Hwnd(), frmUsbView::lblStatus), texts::kNoDevices);
    }
    for (const DeviceRecord& device : devices) {
        EXPECT_FALSE(device.instanceId.empty());
    }
    std::printf("Wine reports %zu USB devices\n", devices.size());
}

// Left, top, width and height in twips.
constexpr std::array<PlacedControl, 10> kViewerControls = {{
    {frmUsbView::lblTree, {180, 150, 5400, 255}},
    {frmUsbView::tvDevices, {180, 420, 5400, 4260}},
    {frmUsbView::lblDetails, {5760, 150, 3660, 255}},
    {frmUsbView::txtDetails, {5760, 420, 3660, 4260}},
    {frmUsbView::cmdCopy, {180, 5130, 1455, 375}},
    {frmUsbView::cmdRefresh, {1755, 5130, 1215, 375}},
    {frmUsbView::cmdHelp, {3090, 5130, 1215, 375}},
    {frmUsbView::cmdAbout, {4425, 5130, 1215, 375}},
    {frmUsbView::cmdClose, {8205, 5130, 1215, 375}},
    {frmUsbView::lblStatus, {180, 4800, 9240, 255}},
}};
constexpr std::array<int, 5> kViewerFontControls = {frmUsbView::lblTree, frmUsbView::tvDevices,
                                                    frmUsbView::txtDetails, frmUsbView::cmdCopy,
                                                    frmUsbView::lblStatus};

TEST(UsbViewDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("UsbViewTest.DISABLED_AtThisProcessDpi");
}

TEST_F(UsbViewTest, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    Open(OneStickAndAMouse());
    ExpectLayoutFollowsDpi(window_->Hwnd(), dpi,
                           {kViewerControls, kViewerFontControls, "usb-view", {}, {9600, 5640}});
}

}  // namespace
}  // namespace corvane::test
