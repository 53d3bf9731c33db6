#include "usbview/core/DeviceRecord.h"
#include "usbview/core/DeviceTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::usbview {
namespace {

DeviceRecord Record(std::string id, std::string parent, std::string name = {}) {
    DeviceRecord record;
    record.instanceId = std::move(id);
    record.parentId = std::move(parent);
    record.name = std::move(name);
    return record;
}

// The tree as text: each node's instance id indented two spaces per level.
std::string Outline(const DeviceTree& tree, const std::vector<DeviceRecord>& records) {
    std::string text;
    const auto visit = [&](const auto& self, std::size_t node, int depth) -> void {
        text += std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                records[tree.nodes[node].record].instanceId + "\n";
        for (const std::size_t child : tree.nodes[node].children) {
            self(self, child, depth + 1);
        }
    };
    for (const std::size_t root : tree.roots) {
        visit(visit, root, 0);
    }
    return text;
}

TEST(UsbIds, VendorAndProductNumbers) {
    struct Case {
        const char* id;
        std::optional<VendorProduct> expected;
    };
    const std::vector<Case> cases = {
        {"USB\\VID_0781&PID_5567&REV_0100", VendorProduct{0x0781, 0x5567}},
        {"USB\\VID_0781&PID_5567\\4C530001", VendorProduct{0x0781, 0x5567}},
        {"usb\\vid_04f2&pid_b6dd&mi_00", VendorProduct{0x04F2, 0xB6DD}},
        {"HID\\VID_046D&PID_C52B&MI_01&Col01", VendorProduct{0x046D, 0xC52B}},
        {"USB\\ROOT_HUB30\\4&1234&0&0", std::nullopt},
        {"PCI\\VEN_8086&DEV_A36D&SUBSYS_", std::nullopt},
        {"USB\\VID_078&PID_5567", std::nullopt},    // three digits
        {"USB\\VID_07811&PID_5567", std::nullopt},  // five digits
        {"USB\\VID_07G1&PID_5567", std::nullopt},   // not hex
        {"USB\\VID_0781", std::nullopt},            // no product
        {"USB\\XVID_0781&PID_5567", std::nullopt},  // not a part of its own
        {"USB\\VID_", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseVendorProduct(c.id), c.expected) << c.id;
    }
    DeviceRecord record = Record("USB\\VID_1111&PID_2222\\5", "");
    EXPECT_EQ(VendorProductOf(record), (VendorProduct{0x1111, 0x2222}));
    record.hardwareIds = {"USB\\VID_AAAA&PID_BBBB&REV_0001", "USB\\VID_AAAA&PID_BBBB"};
    EXPECT_EQ(VendorProductOf(record), (VendorProduct{0xAAAA, 0xBBBB}));
}

TEST(UsbIds, KindsOfDevices) {
    EXPECT_EQ(ClassifyDevice("PCI\\VEN_8086&DEV_A36D\\3&11583659&0&A0", {}), DeviceKind::Controller);
    EXPECT_EQ(ClassifyDevice("ACPI\\PNP0D10\\0", {}), DeviceKind::Controller);
    EXPECT_EQ(ClassifyDevice("USB\\ROOT_HUB30\\4&2F8A0B2&0&0", {}), DeviceKind::Hub);
    EXPECT_EQ(ClassifyDevice("usb\\root_hub20\\4&1&0", {}), DeviceKind::Hub);
    EXPECT_EQ(ClassifyDevice("USB\\VID_05E3&PID_0610\\6&1", {"USB\\Class_09&SubClass_00", "USB\\Class_09"}),
              DeviceKind::Hub);
    EXPECT_EQ(ClassifyDevice("USB\\VID_0781&PID_5567\\4C53", {"USB\\Class_08&SubClass_06&Prot_50"}),
              DeviceKind::Device);
    EXPECT_EQ(SpeedText(SpeedFromHubValue(2)), "High speed (480 Mbit/s)");
    EXPECT_EQ(SpeedFromHubValue(0), UsbSpeed::Low);
    EXPECT_EQ(SpeedFromHubValue(3), UsbSpeed::Super);
    EXPECT_EQ(SpeedFromHubValue(7), UsbSpeed::Unknown);
    EXPECT_EQ(SpeedText(UsbSpeed::Unknown), "");
}

TEST(DeviceTree, BuiltFromParentLinks) {
    const std::vector<DeviceRecord> records = {
        Record("USB\\VID_0781&PID_5567\\1", "usb\\root_hub30\\4&1"),  // parent matched without case
        Record("PCI\\XHCI\\3", "PCI\\BRIDGE\\0"),                     // parent not a USB record: a root
        Record("USB\\ROOT_HUB30\\4&1", "PCI\\XHCI\\3"),
        Record("USB\\VID_05E3&PID_0610\\2", "USB\\ROOT_HUB30\\4&1"),
        Record("USB\\VID_046D&PID_C52B\\3", "USB\\VID_05E3&PID_0610\\2"),
        Record("PCI\\EHCI\\7", ""),
    };
    const DeviceTree tree = BuildTree(records);
    EXPECT_EQ(Outline(tree, records),
              "PCI\\XHCI\\3\n"
              "  USB\\ROOT_HUB30\\4&1\n"
              "    USB\\VID_0781&PID_5567\\1\n"
              "    USB\\VID_05E3&PID_0610\\2\n"
              "      USB\\VID_046D&PID_C52B\\3\n"
              "PCI\\EHCI\\7\n");
    EXPECT_TRUE(BuildTree({}).roots.empty());
}

TEST(DeviceTree, BrokenParentLinksShowEveryRecordOnce) {
    const std::vector<DeviceRecord> records = {
        Record("SELF", "self"),  // its own parent
        Record("C", "A"),        // hangs below a loop
        Record("A", "B"),       Record("B", "A"), Record("D", "D2"), Record("D2", "GONE"),
    };
    const DeviceTree tree = BuildTree(records);
    const std::string outline = Outline(tree, records);
    EXPECT_EQ(outline,
              "SELF\n"
              "B\n"
              "  A\n"
              "    C\n"
              "D2\n"
              "  D\n");
}

TEST(DeviceTree, DriveLettersGoToTheNearestUsbAncestor) {
    std::vector<DeviceRecord> records = {
        Record("PCI\\XHCI\\3", ""),
        Record("USB\\ROOT_HUB30\\4&1", "PCI\\XHCI\\3"),
        Record("USB\\VID_0781&PID_5567\\1", "USB\\ROOT_HUB30\\4&1"),
    };
    AttachDriveLetters(
        records,
        {
            {'F', {"USBSTOR\\DISK&VEN_SANDISK\\1&0", "usb\\vid_0781&pid_5567\\1", "USB\\ROOT_HUB30\\4&1"}},
            {'E', {"USBSTOR\\DISK&VEN_SANDISK\\1&0", "USB\\VID_0781&PID_5567\\1"}},
            {'E', {"USB\\VID_0781&PID_5567\\1"}},               // reported twice: listed once
            {'C', {"SCSI\\DISK&VEN_NVME\\5", "PCI\\NVME\\1"}},  // not on USB
        });
    EXPECT_TRUE(records[0].driveLetters.empty());
    EXPECT_TRUE(records[1].driveLetters.empty());
    EXPECT_EQ(records[2].driveLetters, (std::vector<char>{'E', 'F'}));
}

TEST(DeviceTree, LabelsAndDetailsText) {
    DeviceRecord stick =
        Record("USB\\VID_0781&PID_5567\\4C530001", "USB\\ROOT_HUB30\\4&1", "USB Mass Storage Device");
    stick.maker = "SanDisk";
    stick.hardwareIds = {"USB\\VID_0781&PID_5567&REV_0100"};
    stick.speed = UsbSpeed::High;
    stick.driveLetters = {'E', 'F'};
    EXPECT_EQ(NodeLabel(stick), "USB Mass Storage Device (E:, F:)");
    EXPECT_EQ(DetailsText(stick),
              "Name: USB Mass Storage Device\r\n"
              "Kind: USB device\r\n"
              "Maker: SanDisk\r\n"
              "Vendor ID: 0781\r\n"
              "Product ID: 5567\r\n"
              "Speed: High speed (480 Mbit/s)\r\n"
              "Drives: E:, F:\r\n"
              "Instance ID: USB\\VID_0781&PID_5567\\4C530001\r\n"
              "Hardware ID: USB\\VID_0781&PID_5567&REV_0100\r\n");

    // What Windows does not say is left out, never shown as an empty field.
    DeviceRecord controller = Record("PCI\\VEN_8086&DEV_A36D\\3", "");
    controller.kind = DeviceKind::Controller;
    EXPECT_EQ(NodeLabel(controller), "PCI\\VEN_8086&DEV_A36D\\3");
    EXPECT_EQ(DetailsText(controller),
              "Kind: USB host controller\r\n"
              "Instance ID: PCI\\VEN_8086&DEV_A36D\\3\r\n");
}

}  // namespace
}  // namespace corvane::usbview
