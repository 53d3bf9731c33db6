// The tree the viewer shows, built from a flat list of device records that name their parents; the
// drive letters placed on the devices they belong to; and the texts of a node and of its details.
#pragma once

#include "usbview/core/DeviceRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::usbview {

struct TreeNode {
    std::size_t record = 0;             // index into the records the tree was built from
    std::vector<std::size_t> children;  // node indexes, in the records' order
};

struct DeviceTree {
    std::vector<TreeNode> nodes;     // one per record, nodes[i].record == i
    std::vector<std::size_t> roots;  // nodes whose parent is not among the records, in order
};

// Links every record to its parent by instance id (without regard to case, as Windows compares
// them). A record whose parent is missing, is itself, or lies on a loop of parent links becomes a
// root, so that every record shows exactly once and building never loops.
DeviceTree BuildTree(const std::vector<DeviceRecord>& records);

// A drive's volume and the devices above it, nearest first ("USBSTOR\DISK...", "USB\VID_...",
// "USB\ROOT_HUB30\...").
struct DriveAncestry {
    char letter = 0;
    std::vector<std::string> ancestorIds;
};

// Gives each letter to the nearest of its ancestors among the records (the USB device the disk is
// on), in letter order without repeats. A letter none of whose ancestors is a record is left out.
void AttachDriveLetters(std::vector<DeviceRecord>& records, const std::vector<DriveAncestry>& drives);

// The tree's line for a record: "SanDisk Cruzer Blade (E:, F:)"; an unnamed one shows its instance id.
std::string NodeLabel(const DeviceRecord& record);

// The details of a record as text to copy, one "Field: value" line each, CR LF ended; fields Windows
// did not give are left out.
std::string DetailsText(const DeviceRecord& record);

}  // namespace corvane::usbview
