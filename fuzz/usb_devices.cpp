// The USB viewer's tree from any device list the system could report: every record shows exactly
// once, under the parent it names when that parent is listed and no loop is made, and the ids and
// details texts hold what they claim.
#include "fuzz/FuzzSupport.h"
#include "usbview/core/DeviceTree.h"

#include <algorithm>
#include <vector>

using namespace corvane::usbview;

namespace {

bool ContainsNoCase(std::string_view text, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; i < part.size() && same; ++i) {
            const char c = text[at + i];
            same = (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == part[i];
        }
        if (same) {
            return true;
        }
    }
    return false;
}

// Counts the nodes reached from the roots; false when a node is reached twice.
bool CountOnce(const DeviceTree& tree, std::size_t node, std::vector<bool>& seen, std::size_t depth) {
    if (seen[node] || depth > tree.nodes.size()) {
        return false;
    }
    seen[node] = true;
    for (const std::size_t child : tree.nodes[node].children) {
        if (!CountOnce(tree, child, seen, depth + 1)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    std::vector<DeviceRecord> records;
    while (!fields.Empty() && records.size() < 64) {
        DeviceRecord record;
        record.instanceId = std::string(fields.Next());
        record.parentId = std::string(fields.Next());
        record.hardwareIds = {std::string(fields.Next())};
        records.push_back(std::move(record));
    }
    std::vector<DriveAncestry> drives;
    for (std::size_t i = 0; i < records.size(); i += 3) {
        drives.push_back({static_cast<char>('C' + i % 24), {records[i].parentId, records[i].instanceId}});
    }
    AttachDriveLetters(records, drives);

    const DeviceTree tree = BuildTree(records);
    FUZZ_REQUIRE(tree.nodes.size() == records.size());
    std::vector<bool> seen(records.size(), false);
    for (const std::size_t root : tree.roots) {
        FUZZ_REQUIRE(CountOnce(tree, root, seen, 0));
    }
    for (const bool reached : seen) {
        FUZZ_REQUIRE(reached);
    }
    for (const DeviceRecord& record : records) {
        FUZZ_REQUIRE(std::is_sorted(record.driveLetters.begin(), record.driveLetters.end()));
        if (ParseVendorProduct(record.instanceId)) {
            FUZZ_REQUIRE(ContainsNoCase(record.instanceId, "VID_") &&
                         ContainsNoCase(record.instanceId, "PID_"));
        }
        const std::string details = DetailsText(record);
        FUZZ_REQUIRE(details.empty() || details.ends_with("\r\n"));
        FUZZ_REQUIRE(NodeLabel(record).size() >= std::min(record.instanceId.size(), record.name.size()));
    }
    return 0;
}
