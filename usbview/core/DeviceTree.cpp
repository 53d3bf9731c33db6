#include "usbview/core/DeviceTree.h"

#include "usbview/core/UsbViewTexts.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace corvane::usbview {
namespace {

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

// Index of every record by its upper-case instance id; the first of two equal ids wins.
std::unordered_map<std::string, std::size_t> IndexById(const std::vector<DeviceRecord>& records) {
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < records.size(); ++i) {
        index.emplace(UpperCase(records[i].instanceId), i);
    }
    return index;
}

std::string LettersText(const std::vector<char>& letters) {
    std::string text;
    for (const char letter : letters) {
        if (!text.empty()) {
            text += ", ";
        }
        text += letter;
        text += ':';
    }
    return text;
}

std::string Hex4(std::uint16_t value) {
    char digits[8] = {};
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(value));
    return digits;
}

const char* KindText(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Controller:
            return texts::kKindController;
        case DeviceKind::Hub:
            return texts::kKindHub;
        case DeviceKind::Device:
            break;
    }
    return texts::kKindDevice;
}

void AddLine(std::string& text, const char* field, const std::string& value) {
    if (!value.empty()) {
        text += field;
        text += value;
        text += "\r\n";
    }
}

}  // namespace

DeviceTree BuildTree(const std::vector<DeviceRecord>& records) {
    const auto index = IndexById(records);
    std::vector<std::size_t> parent(records.size(), kNoParent);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].parentId.empty()) {
            continue;
        }
        const auto found = index.find(UpperCase(records[i].parentId));
        if (found != index.end() && found->second != i) {
            parent[i] = found->second;
        }
    }
    // Break loops: walk up from each record not yet placed; a walk that meets its own path has found
    // a loop, and the last record walked is cut from its parent there.
    enum class Walk { NotYet, OnPath, Done };
    std::vector<Walk> walked(records.size(), Walk::NotYet);
    std::vector<std::size_t> path;
    for (std::size_t i = 0; i < records.size(); ++i) {
        path.clear();
        std::size_t at = i;
        while (at != kNoParent && walked[at] == Walk::NotYet) {
            walked[at] = Walk::OnPath;
            path.push_back(at);
            at = parent[at];
        }
        if (at != kNoParent && walked[at] == Walk::OnPath) {
            parent[path.back()] = kNoParent;
        }
        for (const std::size_t step : path) {
            walked[step] = Walk::Done;
        }
    }
    DeviceTree tree;
    tree.nodes.resize(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        tree.nodes[i].record = i;
        if (parent[i] == kNoParent) {
            tree.roots.push_back(i);
        } else {
            tree.nodes[parent[i]].children.push_back(i);
        }
    }
    return tree;
}

void AttachDriveLetters(std::vector<DeviceRecord>& records, const std::vector<DriveAncestry>& drives) {
    const auto index = IndexById(records);
    for (const DriveAncestry& drive : drives) {
        for (const std::string& ancestor : drive.ancestorIds) {
            const auto found = index.find(UpperCase(ancestor));
            if (found != index.end()) {
                std::vector<char>& letters = records[found->second].driveLetters;
                if (std::find(letters.begin(), letters.end(), drive.letter) == letters.end()) {
                    letters.push_back(drive.letter);
                    std::sort(letters.begin(), letters.end());
                }
                break;
            }
        }
    }
}

std::string NodeLabel(const DeviceRecord& record) {
    std::string label = record.name.empty() ? record.instanceId : record.name;
    if (!record.driveLetters.empty()) {
        label += " (" + LettersText(record.driveLetters) + ")";
    }
    return label;
}

std::string DetailsText(const DeviceRecord& record) {
    std::string text;
    AddLine(text, texts::kFieldName, record.name);
    AddLine(text, texts::kFieldKind, KindText(record.kind));
    AddLine(text, texts::kFieldMaker, record.maker);
    if (const auto numbers = VendorProductOf(record)) {
        AddLine(text, texts::kFieldVendor, Hex4(numbers->vendor));
        AddLine(text, texts::kFieldProduct, Hex4(numbers->product));
    }
    AddLine(text, texts::kFieldSpeed, SpeedText(record.speed));
    AddLine(text, texts::kFieldDrives, LettersText(record.driveLetters));
    AddLine(text, texts::kFieldInstance, record.instanceId);
    if (!record.hardwareIds.empty()) {
        AddLine(text, texts::kFieldHardwareId, record.hardwareIds.front());
    }
    return text;
}

}  // namespace corvane::usbview
